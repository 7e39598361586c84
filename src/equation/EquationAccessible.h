#pragma once
// Screen readers see an equation control as static text whose name is its formula in words, in the
// current language ("7 lomeno 5", "3 na druhú"); a word-wrapped control (a word problem) keeps its
// punctuation. A control without a formula shows nothing and is not presented.

namespace numerava {

// Installs the interface. Call once after the application is created, before any equation control
// is asked for its interface.
void InstallEquationAccessibility();

} // namespace numerava

#pragma once
// Saving the worksheet of the topic screen's selection to print (Ctrl+P there): the save dialog,
// which tests replace, and the messages in the current language.

#include "catalogue/Selection.h"

#include <QString>

#include <functional>

class QWidget;

namespace numerava {

// Asks where to save the worksheet; an empty result means the user cancelled.
using WorksheetFileAsker =
    std::function<QString(QWidget* parent, const QString& title, const QString& suggestedFile)>;
QString AskWorksheetFile(QWidget* parent, const QString& title, const QString& suggestedFile);
// Tests replace the dialog; an empty function restores it.
void SetWorksheetFileAsker(WorksheetFileAsker asker);

// The file name the dialog suggests: "pracovni-list.pdf" / "pracovny-list.pdf" in the documents
// folder.
QString SuggestedWorksheetFile();

// Writes a worksheet of the selection as the drill would run it (the topic screen's defaults filled
// in): draws 20 exercises, asks for the file and writes them. A selection with no item ticked, or word
// problems without a loaded data file, are refused with a message instead of the question; a file
// that cannot be written gets a message too. True when a file was written.
bool SaveSelectionWorksheet(QWidget* parent, TSelection selection);

} // namespace numerava

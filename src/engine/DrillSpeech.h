#pragma once
// What the drill says to a pupil who listens with a screen reader: the answer field announces each
// verdict in words, with the correct answer when the pupil's was wrong or came too late.

#include "engine/DrillModel.h"

#include <string>

namespace numerava {

// The verdict on screen as one sentence ("Chyba, zkus další. Správná odpověď je 12"), or the
// message on an answer that is not a number; empty while the drill shows neither (the hint on "N"
// is not news).
std::string VerdictAnnouncement(const TDrillModel& model);

// The bank note a contest answer earned, as its picture is named ("Bankovka 50").
std::string BankNoteName(int value);

} // namespace numerava

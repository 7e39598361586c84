#pragma once
// The catalogue: names of areas, items and modes in both languages, topic texts, the area pictures,
// the bicycle parts with their prices and the bank-note values. Pure functions of the selection and
// the current language; AreaPicture also records the area in ContestCategory.

#include "catalogue/Selection.h"

#include <array>
#include <cstdint>
#include <string>

namespace numerava {

// The area of the last AreaPicture call or topic confirmation; the contest's final screen overwrites
// it with the category code it reports.
extern uint16_t ContestCategory;

// One finished run as the results overview lists it.
struct TNVLearnResults {
    std::string Points;
    std::string Tasks;
    std::string Topic;
    std::string ModeName;
    std::string Mark;
};

std::string DifficultyName(int area, int item);
std::string OperationName(int area, int item);
std::string DifficultyNames(int area, uint8_t set);
std::string OperationNames(int area, uint8_t set);
std::string TopicList(const TSelection& selection);
std::string TopicText(const TSelection& selection);
// Mode 2's text depends on the area (4, 5 and 6 give "Bez limitu").
std::string ModeText(int mode, int area);
// The mode radio's caption on the topic screen ("\r" separates two lines).
std::string ModeCaption(int mode, int area);

// The picture file of an area as the program's texts write it ("Graphics\destnik.wmf"); empty for
// an area outside 1..6.
std::string AreaPictureFile(int area);
// Stores the area in ContestCategory and gives its picture file (the window loads it).
std::string AreaPicture(int area);

std::string PartName(int part);
int PartPrice(int part);
// The bank note paid for an answer that used p percent of its time: 50, 20, 10, 5, 2 or 0.
int NoteValue(int percentUsed);
// The bank notes' pictures in the order of their values 50, 20, 10, 5, 2 ("Graphics\50.bmp").
const std::array<const char*, 5>& BankNotePictures();
// The contest's logo in the current language ("Graphics\soutez.jpg", "Graphics\sutaz.jpg"); with
// `slovak` given, in that language.
std::string ContestLogoPicture();
std::string ContestLogoPicture(bool slovak);

} // namespace numerava

#pragma once
// Every picture file of the Graphics folder that the screens show: what the start-up check reads.

#include <string>
#include <vector>

namespace numerava {

// Bank notes, area pictures, the bicycle after each part, grade pictures and the contest logos of
// both languages, as the program's paths ("Graphics\\50.bmp"), each once.
std::vector<std::string> ProgramPictureFiles();

} // namespace numerava

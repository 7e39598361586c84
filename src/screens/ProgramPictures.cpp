#include "screens/ProgramPictures.h"

#include "catalogue/Grades.h"
#include "catalogue/UnitsTexts.h"
#include "contest/ContestRules.h"

#include <algorithm>

namespace numerava {

std::vector<std::string> ProgramPictureFiles() {
    std::vector<std::string> files;
    const auto add = [&files](const std::string& file) {
        if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end())
            files.push_back(file);
    };
    for (const char* note : BankNotePictures()) add(note);
    for (int area = 1; area <= 6; ++area) add(AreaPictureFile(area));
    for (int part = 1; part <= 15; ++part) add(BikePicture(part));
    for (const std::string& grade : GradePictures()) add(grade);
    add(ContestLogoPicture(false));
    add(ContestLogoPicture(true));
    return files;
}

} // namespace numerava

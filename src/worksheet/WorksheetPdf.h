#pragma once
// A worksheet as an A4 PDF: the header with the topic, blanks for name, class and date and the
// instruction; the numbered exercises drawn by the formula renderer in black on white, each with a box
// for the answer; the answer key on pages of its own at the end. Needs a QGuiApplication (fonts).

#include "worksheet/WorksheetContent.h"

#include <QString>

namespace numerava::worksheet {

struct TWorksheetPdfResult {
    bool Written = false;
    int Pages = 0; // exercise pages and answer-key pages
};

// Writes the sheet in the current language to `file`. The file is replaced only once the whole
// document has been written: a failure leaves an existing file as it was.
TWorksheetPdfResult WriteWorksheetPdf(const TWorksheet& sheet, const QString& file);

} // namespace numerava::worksheet

#include "screens/WorksheetSave.h"

#include "core/Language.h"
#include "core/Random.h"
#include "platform/Desktop.h"
#include "worksheet/WorksheetPdf.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <algorithm>

namespace numerava {

namespace {

WorksheetFileAsker& FileAsker() {
    static WorksheetFileAsker asker;
    return asker;
}

QString Text(const char* text) { return QString::fromUtf8(text); }

} // namespace

QString AskWorksheetFile(QWidget* parent, const QString& title, const QString& suggestedFile) {
    if (const auto& asker = FileAsker()) return asker(parent, title, suggestedFile);
    // The save dialog that adds ".pdf" to a name typed without it (and asks before replacing that file).
    QFileDialog dialog(parent, title, suggestedFile, QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void SetWorksheetFileAsker(WorksheetFileAsker asker) { FileAsker() = std::move(asker); }

QString SuggestedWorksheetFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(Text(ByLanguage("pracovni-list.pdf", "pracovny-list.pdf")));
}

bool SaveSelectionWorksheet(QWidget* parent, TSelection selection) {
    const QString title = QStringLiteral("Numerava");
    if (selection.DifficultySet == 0 && selection.OperationSet == 0) {
        QMessageBox::information(parent, title,
                                 Text(ByLanguage("Nejdřív zaškrtni učivo, ze kterého má být pracovní list.",
                                                 "Najprv zaškrtni učivo, z ktorého má byť pracovný list.")));
        return false;
    }
    // The exercises the drill would ask: the topic screen's defaults, topics drawn at random as in
    // practice (the contest's stepping by bicycle part means nothing on paper).
    FillDefaults(selection.Area, selection.DifficultySet, selection.OperationSet);
    selection.Mode = ModeSmallPractice;
    SeedRandom(TickCount());
    const auto exercises = worksheet::WorksheetExercises(selection, worksheet::ScreenWorksheetCount);
    // Word problems come from the data file: without it they are empty.
    if (std::any_of(exercises.begin(), exercises.end(),
                    [](const TExercise& e) { return e.Question.empty(); })) {
        QMessageBox::warning(parent, title,
                             Text(ByLanguage("Pro toto učivo nejsou načtené žádné úlohy.",
                                             "Pre toto učivo nie sú načítané žiadne úlohy.")));
        return false;
    }

    const QString file = AskWorksheetFile(
        parent, Text(ByLanguage("Uložit pracovní list", "Uložiť pracovný list")), SuggestedWorksheetFile());
    if (file.isEmpty()) return false;
    if (worksheet::WriteWorksheetPdf(worksheet::MakeWorksheet(selection, exercises), file).Written)
        return true;
    QMessageBox::warning(parent, title,
                         Text(ByLanguage("Pracovní list se nepodařilo uložit do souboru:",
                                         "Pracovný list sa nepodarilo uložiť do súboru:")) +
                             QLatin1Char('\n') + QDir::toNativeSeparators(file));
    return false;
}

} // namespace numerava

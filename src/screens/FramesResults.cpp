#include "screens/FramesResults.h"

#include "controls/CaptionItems.h"
#include "controls/ControlFont.h"
#include "controls/ScreenBuild.h"
#include "core/Language.h"
#include "shell/FormsMain.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace numerava {

TfrmResults::TfrmResults(TfrmMain& main) : TFrame(main) {
    setFixedSize(640, 480);
    SetBackground(this, Orange);

    title_ = MakeShadowLabel(this, {0, 0, 640, 53}, Utf8("Přehled výsledků"), 35, Qt::yellow, Qt::black, 2);
    title_->SetAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    nvbtnExit_ = MakeButton(this, {272, 444, 97, 29}, ButtonYellow, ButtonYellow, Utf8("Zpět"));
    connect(nvbtnExit_, &TNumeravaButton::OnClick, this, [this] { Main().ShowFrame(Main().NewWelcome()); });

    lsvResults_ = new QTreeWidget(this);
    // Rows and column titles drawn by the program's caption layout; a long topic shows in full as
    // the row's tooltip.
    lsvResults_->setHeader(new TCaptionHeaderView(Qt::Horizontal, lsvResults_));
    lsvResults_->setItemDelegate(new TCaptionItemDelegate(lsvResults_));
    lsvResults_->setUniformRowHeights(true);
    lsvResults_->setGeometry(8, 60, 625, 373);
    lsvResults_->setRootIsDecorated(false);
    lsvResults_->setItemsExpandable(false);
    lsvResults_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvResults_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lsvResults_->setFont(ControlFont("Tahoma", 16));
    lsvResults_->header()->setFont(ControlFont("Tahoma", 16));
    lsvResults_->header()->setSectionsMovable(false);
    QPalette palette = lsvResults_->palette();
    palette.setColor(QPalette::Base, QColor(204, 136, 17));
    lsvResults_->setPalette(palette);
    lsvResults_->setColumnCount(5);
    lsvResults_->setHeaderLabels(
        {Utf8("Učivo"), Utf8("Režim"), Utf8("Příkladů/čas"), Utf8("Body"), Utf8("Hodnocení")});
    const int widths[] = {275, 80, 75, 75, 75};
    for (int column = 0; column < 5; ++column) lsvResults_->setColumnWidth(column, widths[column]);

    // Oldest first, as the rows were finished.
    for (int i = 0; i < main.ResultCount(); ++i) {
        const TNVLearnResults& row = main.GetResult(i);
        auto* item = new QTreeWidgetItem(
            lsvResults_, {QString::fromStdString(row.Topic), QString::fromStdString(row.ModeName),
                          QString::fromStdString(row.Tasks), QString::fromStdString(row.Points),
                          QString::fromStdString(row.Mark)});
        item->setToolTip(0, item->text(0));
    }

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TfrmResults::Timer1Timer);
    Timer1.start();
}

void TfrmResults::Timer1Timer() {
    nvbtnExit_->SetCaption(Utf8(ByLanguage("Zpět", "Späť")));
    title_->SetCaption(Utf8(ByLanguage("Přehled výsledků", "Prehľad výsledkov")));
    lsvResults_->setAccessibleName(title_->Caption()); // the list is what the title names
    lsvResults_->setHeaderLabels({Utf8("Učivo"), Utf8("Režim"),
                                  Utf8(ByLanguage("Příkladů/čas", "Príkladov/čas")), Utf8("Body"),
                                  Utf8(ByLanguage("Hodnocení", "Hodnotenie"))});
}

} // namespace numerava

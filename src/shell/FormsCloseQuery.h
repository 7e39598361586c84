#pragma once
// The yes/no question: modal, borderless, orange with the program's border; Enter answers Yes and
// Escape No. The main window asks it before quitting and before abandoning a run; other screens
// replace its texts for their own questions.

#include <QDialog>

namespace numerava {

class TNumeravaButton;
class TNumeravaLabel;
class TShape;

class TfrmCloseQuery : public QDialog {
    Q_OBJECT
public:
    static constexpr int ResultYes = 6;
    static constexpr int ResultNo = 7;

    explicit TfrmCloseQuery(QWidget* owner);

    void SetQuestion(const QString& question);
    TNumeravaLabel* nvlblQuery() const { return nvlblQuery_; }
    TNumeravaButton* nvbtnYes() const { return nvbtnYes_; }
    TNumeravaButton* nvbtnNo() const { return nvbtnNo_; }
    QWidget* pnlFrames() const { return pnlFrames_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TShape* shpOuter_;
    TShape* shpInner_;
    QWidget* pnlFrames_;
    TNumeravaLabel* nvlblQuery_;
    TNumeravaButton* nvbtnYes_;
    TNumeravaButton* nvbtnNo_;
};

} // namespace numerava

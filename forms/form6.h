// The fractions and decimals window: a small editable table of kitchen fractions.
#ifndef SPOONWISE_FORMS_FORM6_H
#define SPOONWISE_FORMS_FORM6_H

#include "controls.h"

class QAction;
class QPlainTextEdit;

class Form6 : public toolkit::Dialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form6)

public:
    explicit Form6(QWidget *parent = nullptr);
    ~Form6() override;

private slots:
    void mnuhide_Click();
    void Toolbar1_ButtonClick(QAction *Button);

private:
    QAction *mnuhide = nullptr;
    toolkit::ImageList ImageList1;
    toolkit::KeyedToolBar *Toolbar1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
};

#endif // SPOONWISE_FORMS_FORM6_H

// The warranty window: the disclaimer and the maker's contact details, read-only.
#ifndef SPOONWISE_FORMS_FORM5_H
#define SPOONWISE_FORMS_FORM5_H

#include "controls.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class Form5 : public toolkit::Dialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form5)

public:
    explicit Form5(QWidget *parent = nullptr);
    ~Form5() override;

private slots:
    void Command1_Click();

private:
    QLabel *Label1 = nullptr;
    QPlainTextEdit *text1 = nullptr;
    QPushButton *command1 = nullptr;
    QLabel *Label2 = nullptr;
};

#endif // SPOONWISE_FORMS_FORM5_H

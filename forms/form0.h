// The about window: product name in a shadowed box, version, credit, the programmer's
// photograph and an information icon.
#ifndef SPOONWISE_FORMS_FORM0_H
#define SPOONWISE_FORMS_FORM0_H

#include "controls.h"

class QLabel;
class QPushButton;

class Form0 : public toolkit::Dialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form0)

public:
    explicit Form0(QWidget *parent = nullptr);
    ~Form0() override;

private slots:
    void Exit_Click();

private:
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    toolkit::PictureBox *mypic = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    toolkit::PictureBox *Picture1 = nullptr;
    QPushButton *Exit = nullptr;
    QLabel *Label6 = nullptr;
    toolkit::Line *Line1 = nullptr;
    toolkit::Line *Line2 = nullptr;
    toolkit::Line *Line3 = nullptr;
    toolkit::Line *Line4 = nullptr;
    toolkit::Line *Line5 = nullptr;
    toolkit::Line *Line6 = nullptr;
    toolkit::Line *Line7 = nullptr;
    toolkit::Line *Line8 = nullptr;
};

#endif // SPOONWISE_FORMS_FORM0_H

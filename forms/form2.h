// The other formulas window: rules of thumb from metric kitchen volumes and weights to
// American measures.
#ifndef SPOONWISE_FORMS_FORM2_H
#define SPOONWISE_FORMS_FORM2_H

#include "controls.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class Form2 : public toolkit::Dialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

private slots:
    void Exit_Click();

private:
    QLabel *Label1 = nullptr;
    toolkit::PictureBox *Image1 = nullptr;
    toolkit::PictureBox *Image2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QListWidget *Measure = nullptr;
    QListWidget *Weight = nullptr;
    QPushButton *Exit = nullptr;
    QLabel *Label6 = nullptr;
};

#endif // SPOONWISE_FORMS_FORM2_H

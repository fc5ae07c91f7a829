// The title window shown at start: the maker's logo, the framed product name, the version
// and the button that leads into the converter.
#ifndef SPOONWISE_FORMS_FORM4_H
#define SPOONWISE_FORMS_FORM4_H

#include <QWidget>

class QLabel;
class QPushButton;

namespace toolkit {
class Line;
class PictureBox;
} // namespace toolkit

class Form4 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form4)

public:
    explicit Form4(QWidget *parent = nullptr);
    ~Form4() override;

private slots:
    void Command1_Click();

private:
    toolkit::PictureBox *Picture1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    toolkit::Line *Line1 = nullptr;
    toolkit::Line *Line2 = nullptr;
    toolkit::Line *Line3 = nullptr;
    toolkit::Line *Line4 = nullptr;
    toolkit::Line *Line5 = nullptr;
    toolkit::Line *Line6 = nullptr;
    toolkit::Line *Line7 = nullptr;
    toolkit::Line *Line8 = nullptr;
};

#endif // SPOONWISE_FORMS_FORM4_H

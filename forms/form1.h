// The converter window: entry box, unit box, Calculate button, eleven result boxes, the
// toolbar and the menus with their commands.
#ifndef SPOONWISE_FORMS_FORM1_H
#define SPOONWISE_FORMS_FORM1_H

#include "controls.h"
#include "numbers.h"
#include "toolkit.h"
#include "units.h"

#include <QMainWindow>

#include <array>
#include <span>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class Form1 : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Where the window's messages go: a real message box unless replaced (tests capture them).
    void setMessageSink(toolkit::MessageSink sink);

private slots:
    void Command1_Click();
    void txtenter_KeyPress(int KeyAscii);
    void Label6_Click();
    void mnufileabout_Click();
    void mnufileexit_Click();
    void mnutoolsformula_Click();
    void mnutoolsdecimals_Click();
    void mnutoolscalc_Click();
    void mnuregwarrant_Click();
    void mnuhelphow_Click();
    void Toolbar1_ButtonClick(QAction *Button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class ConverterBridge;
    struct MenuItem;
    struct ToolbarCommand;
    static std::span<const ToolbarCommand> toolbarCommands();

    void buildToolbar(QWidget *client);
    void buildConverter(QWidget *client);
    void buildEntryFrame();
    void buildResultFrames();
    void buildMenus();
    QMenu *addMenu(const char *name, const char *title, std::span<const MenuItem> items);
    template<typename Window> void openModal(bool hideMain);
    void runConversion();
    void message(const QString &prompt);

    toolkit::ImageList ImageList1;
    toolkit::KeyedToolBar *Toolbar1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QGroupBox *Frame7 = nullptr;
    QGroupBox *Frame8 = nullptr;
    QGroupBox *Frame9 = nullptr;
    QGroupBox *Frame10 = nullptr;
    QGroupBox *Frame11 = nullptr;
    QGroupBox *Frame12 = nullptr;
    QGroupBox *Frame13 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *txtenter = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command1 = nullptr;
    toolkit::ClickableLabel *Label6 = nullptr;
    QLineEdit *txttsp = nullptr;
    QLineEdit *txttbl = nullptr;
    QLineEdit *txtfluid = nullptr;
    QLineEdit *txtcup = nullptr;
    QLineEdit *txtpint = nullptr;
    QLineEdit *txtquart = nullptr;
    QLineEdit *txtgallon = nullptr;
    QLineEdit *txtml = nullptr;
    QLineEdit *txtcl = nullptr;
    QLineEdit *txtdl = nullptr;
    QLineEdit *txtliter = nullptr;

    std::array<QMenu *, 3> mnubar {};
    QMenu *mnuhelp = nullptr;
    QAction *mnufileabout = nullptr;
    QAction *mnufileexit = nullptr;
    QAction *mnutoolsformula = nullptr;
    QAction *mnutoolsdecimals = nullptr;
    QAction *mnutoolscalc = nullptr;
    QAction *mnuregwarrant = nullptr;
    QAction *mnuhelphow = nullptr;

    std::array<QLineEdit *, convert::kUnitCount> m_resultBoxes {}; // indexed by convert::indexOf()
    convert::NumberFormat m_numberFormat;
    toolkit::MessageSink m_messageSink;
    bool m_selectEntryOnFocus = false; // a substitute amount waits to be typed over
};

#endif // SPOONWISE_FORMS_FORM1_H

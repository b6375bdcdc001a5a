// The search window's controls, as laid out: positions and sizes in pixels
// of its 293 x 112 client area.
#include "dialogs/TfrmFind.h"
#include "widgets/DesignedLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

void TfrmFind::BuildLayout()
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Search for... (F3)"));
    setFont(DesignedWindowFont());
    setFixedSize(293, 112);
    move(230, 113);

    GroupBox2 = Place(new QGroupBox(this), "GroupBox2", 0, 0, 201, 40);
    RadioButton1 = Place(new QRadioButton(QStringLiteral(" Mnemonic "), GroupBox2), "RadioButton1", 8, 14, 90, 20);
    RadioButton2 = Place(new QRadioButton(QStringLiteral(" Code "), GroupBox2), "RadioButton2", 112, 14, 80, 20);
    RadioButton1->setChecked(true);

    Edit1 = Place(new QLineEdit(this), "Edit1", 0, 47, 201, 23);

    GroupBox1 = Place(new QGroupBox(this), "GroupBox1", 208, 0, 81, 73);
    rbUp = Place(new QRadioButton(QStringLiteral(" Up "), GroupBox1), "rbUp", 8, 10, 68, 19);
    rbDown = Place(new QRadioButton(QStringLiteral(" Down "), GroupBox1), "rbDown", 8, 30, 68, 19);
    rbCycl = Place(new QRadioButton(QStringLiteral(" Cyclic "), GroupBox1), "rbCycl", 8, 50, 68, 19);
    rbCycl->setChecked(true);

    GroupBox3 = Place(new QGroupBox(this), "GroupBox3", 0, 73, 293, 39);
    chkWholeWords =
        Place(new QCheckBox(QStringLiteral(" Whole words only "), GroupBox3), "chkWholeWords", 8, 13, 140, 20);
    chkCaseSens =
        Place(new QCheckBox(QStringLiteral(" Case sensitivity "), GroupBox3), "chkCaseSens", 152, 13, 136, 20);

    setTabOrder(Edit1, rbUp);
    setTabOrder(rbUp, rbDown);
    setTabOrder(rbDown, rbCycl);
    setTabOrder(rbCycl, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, chkWholeWords);
    setTabOrder(chkWholeWords, chkCaseSens);
}

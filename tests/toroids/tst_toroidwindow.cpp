#include "app/Beep.h"
#include "app/InputAlert.h"
#include "app/WindowNames.h"
#include "app/WindowPrinter.h"
#include "app/WindowRegistry.h"
#include "tests/support/WindowTestSupport.h"
#include "toroids/ToroidTables.h"
#include "toroids/ToroidWindow.h"
#include "toroids/ToroidWindows.h"
#include "toroids/core/CatalogoToroidi.h"
#include "toroids/core/TabelleToroidi.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace ombrana;

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The labels of a frame, top to bottom and left to right.
QStringList testiPerRighe(QWidget* frame) {
    QList<QLabel*> labels = frame->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    std::sort(labels.begin(), labels.end(),
              [](QLabel* a, QLabel* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    QStringList out;
    for (QLabel* l : labels) out << l->text();
    return out;
}

// The next control that the Tab key reaches (the editor inside the picker
// counts as the picker).
QWidget* prossimoTab(QWidget* from) {
    QWidget* n = from->nextInFocusChain();
    while (n != from &&
           (!(n->focusPolicy() & Qt::TabFocus) || !n->isVisible() || qobject_cast<QComboBox*>(n->parentWidget())))
        n = n->nextInFocusChain();
    return n;
}

}  // namespace

class TestToroidWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void initialState();
    void turns_data();
    void turns();
    void afterAlert();
    void keyFilters_data();
    void keyFilters();
    void pickerByKeyboard();
    void keysStraightToThePickerEditor_data();
    void keysStraightToThePickerEditor();
    void selectAllThenType_data();
    void selectAllThenType();
    void tabByKeyboard();
    void cancellaThenCalcola();
    void tab1Diameters();
    void tab2Mixes();
    void tab3Turns();
    void chiudiThenReopen();
    void openedTwice();
    void menuEntries();

private:
    ToroidWindow* apri();
    void calcola(ToroidWindow* w, const QString& picker, const QString& induttanza, bool incolla = false);
    int m_stampe = 0;
};

void TestToroidWindow::initTestCase() {
    registerToroidWindows();
    // Stand-ins for the windows that this one opens by name.
    finestre().registerWindow(nomi::calcolatrice, [] { return new QWidget; });
    finestre().registerWindow(nomi::leggimiToroidi, [] { return new QWidget; });
    InputAlert::setSecondDuration(std::chrono::milliseconds(20));
    setPrintSinkForTests([this](const PrintedPage& page) {
        if (!page.image.isNull()) ++m_stampe;
    });
}

void TestToroidWindow::cleanup() {
    test::closeAllWindows();
}

ToroidWindow* TestToroidWindow::apri() {
    return qobject_cast<ToroidWindow*>(test::openWindow(nomi::tabelle));
}

void TestToroidWindow::calcola(ToroidWindow* w, const QString& picker, const QString& induttanza, bool incolla) {
    FIND_CHILD(QComboBox, combo, w, "cboToroidi");
    const int i = combo->findText(picker);
    if (i >= 0)
        combo->setCurrentIndex(i);
    else
        combo->setEditText(picker);
    FIND_CHILD(QLineEdit, field, w, "Text2");
    field->clear();
    if (incolla)
        test::paste(field, induttanza);
    else
        test::type(field, induttanza);
    test::click(w, "Command2");
}

void TestToroidWindow::initialState() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLineEdit, inductance, w, "Text2");
    FIND_CHILD(QLabel, turns, w, "Label26");
    FIND_CHILD(QLabel, rememberedCore, w, "Label71");
    FIND_CHILD(QLabel, warning, w, "Label101");
    FIND_CHILD(QLabel, heading, w, "Label9");
    FIND_CHILD(QLabel, inductanceCaption, w, "Label24");
    FIND_CHILD(QWidget, calcolaButton, w, "Command2");
    FIND_CHILD(QWidget, cancellaButton, w, "Command4");
    FIND_CHILD(QWidget, chiudiButton, w, "Command5");
    QCOMPARE(w->windowTitle(),
             QStringLiteral("TABELLE AMIDON") + QString(62, ' ') + "by  QUENDAL" + QString(40, ' ') + "rev 1.02");
    QVERIFY(w->isMaximized());
    FIND_CHILD(QComboBox, combo, w, "cboToroidi");
    QCOMPARE(combo->currentText(), QStringLiteral("TOROIDI"));
    QVERIFY(combo->isEditable());
    QStringList voci;
    for (int i = 0; i < combo->count(); ++i) voci << combo->itemText(i);
    QCOMPARE(voci.size(), 86);
    QCOMPARE(voci.first(), QStringLiteral("T37/0"));
    QCOMPARE(voci.at(9), QStringLiteral("T37/17"));
    QCOMPARE(voci.at(30), QStringLiteral("T60/2"));
    QCOMPARE(voci.last(), QStringLiteral("T300/2"));
    for (std::size_t i = 0; i < toroidiSelezionabili.size(); ++i) QCOMPARE(voci.at(int(i)), q(toroidiSelezionabili[i]));

    QVERIFY(inductance->text().isEmpty());
    QVERIFY(turns->text().isEmpty());
    QVERIFY(rememberedCore->text().isEmpty());
    QVERIFY(!rememberedCore->isVisible());
    QVERIFY(!warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("TROPPE  SPIRE  vedi TAB  3"));
    QCOMPARE(heading->text(), QStringLiteral("TOROIDI  AMIDON"));
    QCOMPARE(inductanceCaption->text(), QString::fromUtf8("Input   \u00b5Henry"));
    QTRY_COMPARE(w->focusWidget(), inductance);

    // Tab order: Text2, picker, CALCOLA, CANCELLA, and CHIUDI last.
    QCOMPARE(prossimoTab(inductance), combo);
    QCOMPARE(prossimoTab(combo), calcolaButton);
    QCOMPARE(prossimoTab(calcolaButton), cancellaButton);
    QCOMPARE(prossimoTab(cancellaButton), chiudiButton);
    QCOMPARE(prossimoTab(chiudiButton), inductance);
}

void TestToroidWindow::turns_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("induttanza");
    QTest::addColumn<bool>("incolla");
    QTest::addColumn<bool>("allarme");
    QTest::addColumn<QString>("risultato");

    // clang-format off
    QTest::newRow("T37/2 10") << "T37/2" << "10" << false << false << "50";
    QTest::newRow("T50/2 1") << "T50/2" << "1" << false << false << "14";
    QTest::newRow("T37/0 2") << "T37/0" << "2" << false << false << "64";
    QTest::newRow("T300/2 100") << "T300/2" << "100" << false << false << "94";
    QTest::newRow("T37/2 15,625") << "T37/2" << "15,625" << false << false << "62";
    QTest::newRow("T37/2 16,9") << "T37/2" << "16,9" << false << false << "65";
    QTest::newRow("T37/3 50,7") << "T37/3" << "50,7" << false << true << "";
    QTest::newRow("T37/2 17") << "T37/2" << "17" << false << true << "";
    QTest::newRow("T37/12 6") << "T37/12" << "6" << false << false << "63";
    QTest::newRow("T37/12 6,5") << "T37/12" << "6,5" << false << true << "";
    QTest::newRow("T184/2 2700") << "T184/2" << "2700" << false << false << "335";
    QTest::newRow("T184/2 2701") << "T184/2" << "2701" << false << true << "";
    QTest::newRow("T60/22 hand-typed 1000") << "T60/22" << "1000" << false << false << "392";
    QTest::newRow("T44/17 0") << "T44/17" << "0" << false << false << "0";
    QTest::newRow("T200/7 0") << "T200/7" << "0" << false << false << "0";
    // No core with data empties the result instead of showing 0 turns.
    QTest::newRow("TOROIDI") << "TOROIDI" << "10" << false << false << "";
    QTest::newRow("T60/3") << "T60/3" << "10" << false << false << "";
    // An unreadable inductance changes nothing: the earlier 50 stays.
    QTest::newRow("empty inductance") << "T37/3" << "" << false << false << "50";
    QTest::newRow("pasted negative") << "T37/2" << "-10" << true << false << "50";
    QTest::newRow("pasted point") << "T37/2" << "2.5" << true << false << "50";
    // clang-format on
}

// Each row starts from a result of 50 turns on screen.
void TestToroidWindow::turns() {
    QFETCH(QString, picker);
    QFETCH(QString, induttanza);
    QFETCH(bool, incolla);
    QFETCH(bool, allarme);
    QFETCH(QString, risultato);

    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLineEdit, inductance, w, "Text2");
    FIND_CHILD(QLabel, label26, w, "Label26");
    FIND_CHILD(QLabel, banner, w, "Label101");
    calcola(w, "T37/2", "10");
    QCOMPARE(label26->text(), QStringLiteral("50"));

    const int beeps = beepCount();
    calcola(w, picker, induttanza, incolla);
    if (allarme) {
        QVERIFY(w->alert()->isActive());
        QCOMPARE(beepCount(), beeps + 1);
        QVERIFY(banner->isVisible());
        QVERIFY(inductance->text().isEmpty());
        QCOMPARE(label26->text(), QStringLiteral("50"));  // emptied only when the wait ends
        QTRY_VERIFY(!w->alert()->isActive());
        QVERIFY(!banner->isVisible());
    } else {
        QVERIFY(!w->alert()->isActive());
        QCOMPARE(beepCount(), beeps);
    }
    QCOMPARE(label26->text(), risultato);
}

void TestToroidWindow::afterAlert() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLineEdit, inductance, w, "Text2");
    FIND_CHILD(QLabel, turns, w, "Label26");
    FIND_CHILD(QComboBox, picker, w, "cboToroidi");
    FIND_CHILD(QLabel, rememberedCore, w, "Label71");
    FIND_CHILD(QLabel, warning, w, "Label101");
    calcola(w, "T37/12", "6,5");
    QVERIFY(w->alert()->isActive());
    // Typing during the wait does not stick.
    test::type(inductance, "12");
    QVERIFY(inductance->text().isEmpty());
    QTRY_VERIFY(!w->alert()->isActive());
    QVERIFY(inductance->text().isEmpty());
    QVERIFY(turns->text().isEmpty());
    QCOMPARE(picker->currentText(), QStringLiteral("T37/12"));
    QCOMPARE(rememberedCore->text(), QStringLiteral("T37/12"));
    QCOMPARE(warning->text(), QStringLiteral("TROPPE  SPIRE  vedi TAB  3"));
}

void TestToroidWindow::keyFilters_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("partenza");
    QTest::addColumn<char>("tasto");
    QTest::addColumn<QString>("dopo");

    // clang-format off
    QTest::newRow("picker T") << "cboToroidi" << "" << 'T' << "T";
    QTest::newRow("picker digit") << "cboToroidi" << "T3" << '7' << "T37";
    QTest::newRow("picker slash") << "cboToroidi" << "T37" << '/' << "T37/";
    QTest::newRow("picker lower t types T") << "cboToroidi" << "" << 't' << "T";
    QTest::newRow("picker letter A") << "cboToroidi" << "T37" << 'A' << "T37";
    QTest::newRow("picker comma") << "cboToroidi" << "T37" << ',' << "T37";
    QTest::newRow("picker blank") << "cboToroidi" << "T37" << ' ' << "T37";
    QTest::newRow("picker enter") << "cboToroidi" << "T37" << '\r' << "T37";
    QTest::newRow("Text2 digit") << "Text2" << "1" << '5' << "15";
    QTest::newRow("Text2 comma") << "Text2" << "1" << ',' << "1,";
    QTest::newRow("Text2 point types a comma") << "Text2" << "1" << '.' << "1,";
    QTest::newRow("picker point") << "cboToroidi" << "T37" << '.' << "T37";
    QTest::newRow("picker minus types a slash") << "cboToroidi" << "T37" << '-' << "T37/";
    QTest::newRow("picker lower a") << "cboToroidi" << "T37" << 'a' << "T37";
    QTest::newRow("Text2 minus") << "Text2" << "1" << '-' << "1";
    QTest::newRow("Text2 T") << "Text2" << "1" << 'T' << "1";
    QTest::newRow("Text2 slash") << "Text2" << "1" << '/' << "1";
    QTest::newRow("Text2 lower t") << "Text2" << "1" << 't' << "1";
    // clang-format on
}

// Keys go where the window system sends them: to the focused control, which
// for the picker is the combo box itself, with the text of each key.
void TestToroidWindow::keyFilters() {
    QFETCH(QString, campo);
    QFETCH(QString, partenza);
    QFETCH(char, tasto);
    QFETCH(QString, dopo);

    ToroidWindow* w = apri();
    QVERIFY(w);
    QVERIFY(test::activate(w));
    QLineEdit* edit = nullptr;
    QWidget* focused = nullptr;
    if (campo == "cboToroidi") {
        FIND_CHILD(QComboBox, combo, w, campo);
        combo->setEditText(partenza);
        edit = combo->lineEdit();
        focused = combo;
    } else {
        FIND_CHILD(QLineEdit, field, w, campo);
        edit = field;
        edit->setText(partenza);
        focused = edit;
    }
    focused->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    edit->setCursorPosition(int(edit->text().size()));
    const int beeps = beepCount();
    const bool preso = dopo != partenza;
    if (tasto == '\r')
        test::pressKey(Qt::Key_Return, test::kEnterText);
    else
        test::typeToFocus(QString(QLatin1Char(tasto)));
    QCOMPARE(edit->text(), dopo);
    QCOMPARE(beepCount(), preso ? beeps : beeps + 1);

    // Backspace is taken by both fields.
    test::pressKey(Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(edit->text(), dopo.chopped(dopo.isEmpty() ? 0 : 1));
    QCOMPARE(beepCount(), preso ? beeps : beeps + 1);
}

// The picker by keyboard alone: Tab from the inductance field, a core typed
// in, every refused key beeping once and changing nothing.
void TestToroidWindow::pickerByKeyboard() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLineEdit, field, w, "Text2");
    FIND_CHILD(QLabel, turns, w, "Label26");
    FIND_CHILD(QWidget, calcolaButton, w, "Command2");
    QVERIFY(test::activate(w));
    FIND_CHILD(QComboBox, combo, w, "cboToroidi");
    QTRY_COMPARE(QApplication::focusWidget(), field);
    const int voci = combo->count();
    const int beeps = beepCount();
    test::typeToFocus("10\t");
    QCOMPARE(QApplication::focusWidget(), combo);
    QCOMPARE(beepCount(), beeps);
    combo->setEditText(QString());
    test::typeToFocus("T50/2");
    QCOMPARE(combo->currentText(), QStringLiteral("T50/2"));
    QCOMPARE(beepCount(), beeps);

    // The maker's way of writing a core, as many type it.
    combo->setEditText(QString());
    test::typeToFocus("t50-2");
    QCOMPARE(combo->currentText(), QStringLiteral("T50/2"));
    QCOMPARE(beepCount(), beeps);
    field->setText(QStringLiteral("2,37"));
    test::click(w, "Command2");
    QCOMPARE(turns->text(), QStringLiteral("22"));
    combo->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), combo);
    combo->lineEdit()->end(false);

    QApplication::clipboard()->setText(QStringLiteral("T37/2"));
    struct Rifiutato {
        const char* nome;
        Qt::Key key;
        QString text;
        Qt::KeyboardModifiers modifiers;
    };
    const Rifiutato rifiutati[] = {
        {"x", Qt::Key_X, "x", Qt::NoModifier},
        {"a", Qt::Key_A, "a", Qt::NoModifier},
        {"ctrl+t", Qt::Key_T, QString(QChar(0x14)), Qt::ControlModifier},
        {"alt+minus", Qt::Key_Minus, "-", Qt::AltModifier},
        {"underscore", Qt::Key_Underscore, "_", Qt::ShiftModifier},
        {"blank", Qt::Key_Space, " ", Qt::NoModifier},
        {"point", Qt::Key_Period, ".", Qt::NoModifier},
        {"enter", Qt::Key_Return, test::kEnterText, Qt::NoModifier},
        {"keypad enter", Qt::Key_Enter, test::kEnterText, Qt::KeypadModifier},
        {"escape", Qt::Key_Escape, test::kEscapeText, Qt::NoModifier},
        {"ctrl+v", Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier},
        {"ctrl+x", Qt::Key_X, QString(QChar(0x18)), Qt::ControlModifier},
        {"ctrl+z", Qt::Key_Z, QString(QChar(0x1a)), Qt::ControlModifier},
        {"shift+insert", Qt::Key_Insert, QString(), Qt::ShiftModifier},
    };
    for (const Rifiutato& r : rifiutati) {
        const int prima = beepCount();
        test::pressKey(r.key, r.text, r.modifiers);
        QVERIFY2(beepCount() == prima + 1, r.nome);
        QVERIFY2(combo->currentText() == QStringLiteral("T50/2"), r.nome);
        QVERIFY2(QApplication::focusWidget() == combo, r.nome);
    }
    QCOMPARE(combo->count(), voci);  // Enter added no item

    const int prima = beepCount();
    test::pressKey(Qt::Key_Backspace, QStringLiteral("\b"));
    QCOMPARE(combo->currentText(), QStringLiteral("T50/"));
    combo->lineEdit()->setCursorPosition(0);
    test::pressKey(Qt::Key_Delete, test::kDeleteText);
    QCOMPARE(combo->currentText(), QStringLiteral("50/"));
    QCOMPARE(beepCount(), prima);

    test::pressTab();
    QCOMPARE(QApplication::focusWidget(), calcolaButton);
    test::pressBacktab();
    QCOMPARE(QApplication::focusWidget(), combo);
    test::pressBacktab();
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(beepCount(), prima);
}

// A key sent to the picker's own editor, past the combo box, meets the same
// filter.
void TestToroidWindow::keysStraightToThePickerEditor_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<int>("beeps");
    // clang-format off
    QTest::newRow("letter a") << int(Qt::Key_A) << "a" << 0 << "T37" << 1;
    QTest::newRow("point") << int(Qt::Key_Period) << "." << 0 << "T37" << 1;
    QTest::newRow("minus types a slash") << int(Qt::Key_Minus) << "-" << 0 << "T37/" << 0;
    QTest::newRow("keypad minus types a slash") << int(Qt::Key_Minus) << "-" << int(Qt::KeypadModifier) << "T37/" << 0;
    QTest::newRow("slash") << int(Qt::Key_Slash) << "/" << 0 << "T37/" << 0;
    QTest::newRow("lower t types T") << int(Qt::Key_T) << "t" << 0 << "T37T" << 0;
    // clang-format on
}

void TestToroidWindow::keysStraightToThePickerEditor() {
    QFETCH(int, key);
    QFETCH(QString, keyText);
    QFETCH(int, modifiers);
    QFETCH(QString, dopo);
    QFETCH(int, beeps);
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QComboBox, combo, w, "cboToroidi");
    combo->setEditText(QStringLiteral("T37"));
    QLineEdit* edit = combo->lineEdit();
    edit->setCursorPosition(3);
    const int before = beepCount();
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), keyText, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit->text(), dopo);
    QCOMPARE(beepCount(), before + beeps);
}

// Ctrl+A selects the whole text without a beep; the next key replaces it.
// The clipboard shortcuts stay refused.
void TestToroidWindow::selectAllThenType_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("partenza");
    QTest::addColumn<char>("tasto");
    QTest::addColumn<QString>("dopo");
    // clang-format off
    QTest::newRow("Text2") << "Text2" << "7,1" << '7' << "7";
    QTest::newRow("picker") << "cboToroidi" << "T37/2" << 'T' << "T";
    QTest::newRow("picker, then a refused key") << "cboToroidi" << "T37/2" << 'x' << "T37/2";
    // clang-format on
}

void TestToroidWindow::selectAllThenType() {
    QFETCH(QString, campo);
    QFETCH(QString, partenza);
    QFETCH(char, tasto);
    QFETCH(QString, dopo);
    ToroidWindow* w = apri();
    QVERIFY(w);
    QVERIFY(test::activate(w));
    FIND_CHILD(QWidget, focused, w, campo);
    auto* combo = qobject_cast<QComboBox*>(focused);
    QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(focused);
    QVERIFY(edit);
    edit->setText(partenza);
    focused->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    edit->setCursorPosition(int(partenza.size()));
    const int beeps = beepCount();
    test::pressKey(Qt::Key_A, QString(QChar(0x01)), Qt::ControlModifier);
    QCOMPARE(edit->text(), partenza);
    QCOMPARE(edit->selectedText(), partenza);
    QCOMPARE(beepCount(), beeps);
    test::typeToFocus(QString(QLatin1Char(tasto)));
    QCOMPARE(edit->text(), dopo);
    QCOMPARE(beepCount(), dopo == partenza ? beeps + 1 : beeps);
    test::pressKey(Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    QCOMPARE(edit->text(), dopo);
}

void TestToroidWindow::tabByKeyboard() {
    test::checkTabByKeys(apri(), {"Text2", "cboToroidi", "Command2", "Command4", "Command5"});
}

void TestToroidWindow::cancellaThenCalcola() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLabel, rememberedCore, w, "Label71");
    FIND_CHILD(QComboBox, combo, w, "cboToroidi");
    FIND_CHILD(QLineEdit, field, w, "Text2");
    FIND_CHILD(QLabel, label26, w, "Label26");
    calcola(w, "T37/2", "10");
    QCOMPARE(label26->text(), QStringLiteral("50"));

    test::click(w, "Command4");
    QVERIFY(combo->currentText().isEmpty());
    QVERIFY(field->text().isEmpty());
    QVERIFY(label26->text().isEmpty());
    QCOMPARE(rememberedCore->text(), QStringLiteral("T37/2"));

    // Empty picker: no core, so no turns, but the remembered T37/2 still limits.
    label26->setText(QStringLiteral("x"));
    test::type(field, "10");
    test::click(w, "Command2");
    QVERIFY(!w->alert()->isActive());
    QVERIFY(label26->text().isEmpty());
    QCOMPARE(rememberedCore->text(), QStringLiteral("T37/2"));

    field->clear();
    test::type(field, "17");
    test::click(w, "Command2");
    QVERIFY(w->alert()->isActive());
    QTRY_VERIFY(!w->alert()->isActive());
    QVERIFY(combo->currentText().isEmpty());
}

void TestToroidWindow::tab1Diameters() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QWidget, frame, w, "Frame1");
    QStringList attese{QStringLiteral("Sigla"), QStringLiteral("Diametro esterno")};
    for (const RigaDiametro& r : tabellaDiametri) attese << q(r.sigla) << q(r.diametro);
    const QStringList testi = testiPerRighe(frame);
    QCOMPARE(testi, attese);
    QCOMPARE(testi.at(2), QStringLiteral("T 37"));
    QCOMPARE(testi.at(3), QStringLiteral("= 9,5  mm"));
    QCOMPARE(testi.last(), QStringLiteral("= 77,2 mm"));
    // Rows 240 twips apart, all inside the frame.
    auto labels = frame->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel* l : labels) QVERIFY(frame->rect().contains(l->geometry()));
}

void TestToroidWindow::tab2Mixes() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QWidget, frame, w, "Frame2");
    // The ranges as the window has always shown them, leading blanks included.
    // clang-format off
    const QStringList frequenze{
        "50 - 300 MHz",
        "0,5 - 50 MHz",
        "   1 - 30 MHz",
        "0,03 - 1 MHz",
        "   2 - 50 MHz",
        "   1 - 20 MHz",
        "10 - 100 MHz",
        "20 - 200 MHz",
        "  0,1 - 3 MHz",
        "20 - 200 MHz",
    };
    // clang-format on
    QCOMPARE(qsizetype(tabellaMiscele.size()), frequenze.size());
    QStringList attese{QStringLiteral("Numero"), QStringLiteral("Colori"), QStringLiteral("Frequenza")};
    for (std::size_t i = 0; i < tabellaMiscele.size(); ++i)
        attese << q(tabellaMiscele[i].numero) << q(tabellaMiscele[i].colori) << frequenze.at(qsizetype(i));
    const QStringList testi = testiPerRighe(frame);
    QCOMPARE(testi, attese);
    QCOMPARE(testi.at(3), QStringLiteral("/0"));
    QCOMPARE(testi.at(4), QStringLiteral("Marrone  Grigio"));
    QCOMPARE(testi.at(11), QStringLiteral("   1 - 30 MHz"));
    QCOMPARE(testi.at(testi.size() - 2), QStringLiteral("Blu       Giallo"));
    for (QLabel* l : frame->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY(frame->rect().contains(l->geometry()));
        QVERIFY(l->alignment() & Qt::AlignHCenter);
    }
}

void TestToroidWindow::tab3Turns() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QWidget, frame, w, "Frame5");
    const QStringList testi = testiPerRighe(frame);
    QCOMPARE(testi.size(), 2 * 12);
    QCOMPARE(testi.at(0), QStringLiteral("Filo mm"));
    QCOMPARE(testi.at(1),
             QStringLiteral("T37      T44      T50      T60      T68      T80       T94      T106     T130        "
                            "T157       T184       T200      T300"));
    const QStringList fili{"0,20", "0,25", "0,30", "0,40", "0,50", "0,60", "0,80", "1,0", "1,3", "1,6", "2,0"};
    for (int r = 0; r < fili.size(); ++r) {
        QCOMPARE(testi.at(2 + 2 * r), fili.at(r));
        const QStringList valori = testi.at(3 + 2 * r).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(valori.size(), 13);
        for (int k = 0; k < 13; ++k) QCOMPARE(valori.at(k).toInt(), tabellaSpire[std::size_t(r)].spire[std::size_t(k)]);
    }

    // Each value starts under its size name, as near as blanks allow.
    FIND_CHILD(QLabel, intestazione, frame, "tab3_r0_c1");
    const QFontMetrics fm(intestazione->font());
    const QString testa = intestazione->text();
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    for (int r = 1; r <= fili.size(); ++r) {
        FIND_CHILD(QLabel, riga, frame, QStringLiteral("tab3_r%1_c1").arg(r));
        QCOMPARE(riga->x(), intestazione->x());
        QCOMPARE(riga->font(), intestazione->font());
        const QString t = riga->text();
        qsizetype daTesta = 0;
        qsizetype daRiga = 0;
        for (std::string_view m : misureTab3) {
            const qsizetype inTesta = testa.indexOf(q(m), daTesta);
            daTesta = inTesta + qsizetype(m.size());
            const qsizetype inRiga = t.indexOf(QRegularExpression(QStringLiteral("\\d")), daRiga);
            daRiga = t.indexOf(QLatin1Char(' '), inRiga);
            if (daRiga < 0) daRiga = t.size();
            const int scarto = fm.horizontalAdvance(t.left(inRiga)) - fm.horizontalAdvance(testa.left(inTesta));
            QVERIFY2(std::abs(scarto) <= blank, qPrintable(QStringLiteral("row %1 under %2").arg(r).arg(q(m))));
        }
    }
    QCOMPARE(testi.at(3).split(' ', Qt::SkipEmptyParts).first(), QStringLiteral("65"));
    QCOMPARE(testi.last().split(' ', Qt::SkipEmptyParts).last(), QStringLiteral("66"));
}

void TestToroidWindow::chiudiThenReopen() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLabel, turns, w, "Label26");
    finestre().open(nomi::calcolatrice);
    calcola(w, "T37/2", "10");
    QCOMPARE(turns->text(), QStringLiteral("50"));

    test::click(w, "Command5");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!finestre().isOpen(nomi::tabelle));
    QVERIFY(!finestre().isOpen(nomi::calcolatrice));

    w = apri();
    QVERIFY(w);
    FIND_CHILD(QComboBox, picker, w, "cboToroidi");
    FIND_CHILD(QLineEdit, inductance, w, "Text2");
    FIND_CHILD(QLabel, newTurns, w, "Label26");
    FIND_CHILD(QLabel, rememberedCore, w, "Label71");
    FIND_CHILD(QLabel, warning, w, "Label101");
    QCOMPARE(picker->currentText(), QStringLiteral("TOROIDI"));
    QVERIFY(inductance->text().isEmpty());
    QVERIFY(newTurns->text().isEmpty());
    QVERIFY(rememberedCore->text().isEmpty());
    QVERIFY(!warning->isVisible());
}

void TestToroidWindow::openedTwice() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QLabel, turns, w, "Label26");
    calcola(w, "T37/2", "10");
    QCOMPARE(apri(), w);
    int quante = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (qobject_cast<ToroidWindow*>(t)) ++quante;
    QCOMPARE(quante, 1);
    QCOMPARE(turns->text(), QStringLiteral("50"));
}

void TestToroidWindow::menuEntries() {
    ToroidWindow* w = apri();
    QVERIFY(w);
    FIND_CHILD(QAction, leggimi, w, "Leggimi");
    FIND_CHILD(QAction, calcolatrice, w, "calcolatrice");
    FIND_CHILD(QAction, stampa, w, "stampa");
    QCOMPARE(leggimi->text(), QStringLiteral("Leggimi"));
    QCOMPARE(calcolatrice->text(), QStringLiteral("Calcolatrice"));
    QCOMPARE(stampa->text(), QStringLiteral("Stampa"));

    leggimi->trigger();
    QVERIFY(finestre().isOpen(nomi::leggimiToroidi));
    calcolatrice->trigger();
    QVERIFY(finestre().isOpen(nomi::calcolatrice));
    const int prima = m_stampe;
    stampa->trigger();
    QCOMPARE(m_stampe, prima + 1);
}

QTEST_MAIN(TestToroidWindow)
#include "tst_toroidwindow.moc"

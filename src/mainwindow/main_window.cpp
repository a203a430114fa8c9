// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/main_window.h"

#include "core/display_rules.h"
#include "mainwindow/grid_widget.h"
#include "mainwindow/search_dialog.h"
#include "platform/command_guard.h"
#include "platform/elided_label.h"
#include "platform/status_panels.h"

#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <stdexcept>
#include <utility>

namespace zef {

namespace {

QAction* addItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* addCheckItem(QMenu* menu, QActionGroup* group, const QString& name,
                      const QString& caption) {
    QAction* action = addItem(menu, name, caption);
    action->setCheckable(true);
    if (group != nullptr)
        group->addAction(action);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

} // namespace

// The window shows the station as it changes, whoever changes it.
void TForm1::followStation() {
    const Station& station = ctx_.state.station;
    connect(&station, &Station::tablesChanged, this, &TForm1::gridFill);
    connect(&station, &Station::slotChanged, this, [this](const SlotEdit& change) {
        grid_.followSlot(change);
        writeStatusPanels();
        repaintGrid();
    });
    connect(&station, &Station::unsavedChanged, this, [this](bool unsaved, bool byDataEntry) {
        // The data entry's mark has always stood three blanks further right.
        StatusBar2->setPanelText(1, !unsaved      ? QString()
                                    : byDataEntry ? QStringLiteral("   Modyfikacja")
                                                  : QStringLiteral("Modyfikacja"));
    });
    connect(&station, &Station::pathChanged, this, &TForm1::showStationPath);
}

TForm1::TForm1(Context& context) : ctx_(context) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Aktualizacja podmiotów dla pasma 80M"));
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setGeometry(322, 180, 673, 292);
    setMinimumSize(425, 292);
    setMaximumHeight(557);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar(central);
    StringGrid1 = new GridWidget(grid_, ctx_.state, central);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StatusBar1 = new StatusPanels(QStringLiteral("StatusBar1"), 4, 36, central);
    StatusBar1->setPanelAlignment(Qt::AlignCenter);
    StatusBar2 = new StatusPanels(QStringLiteral("StatusBar2"), 3, 18, central);
    StatusBar2->setPanelWidth(0, 500);
    StatusBar2->setPanelWidth(1, 50);
    StatusBar2->setPanelWidth(2, 50);
    QFont statusFont(QStringLiteral("Tahoma"));
    statusFont.setPointSize(8);
    StatusBar2->setFont(statusFont);
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(StatusBar1);
    layout->addWidget(StatusBar2);
    setCentralWidget(central);
    buildMenu();
    connectGrid();
    followStation();
    holdWidth(allowedMainWindowWidth(StringGrid1->columnSum(), ctx_.state.widthCorrection));
    search_ = std::make_unique<TForm3>(ctx_, *this);
}

TForm1::~TForm1() = default;

void TForm1::setOtherWindowsSettings(std::function<void(Settings&)> summaryGeometry,
                                     std::function<std::string(const ProfileFile&)> recipient) {
    storeSummaryGeometry_ = std::move(summaryGeometry);
    recipientForSettings_ = std::move(recipient);
}

QAction& TForm1::menuItem(const QString& name) const {
    auto* item = findChild<QAction*>(name);
    if (item == nullptr)
        throw std::logic_error("no menu item " + name.toStdString());
    return *item;
}

void TForm1::checkSummaryMode(SummaryMode mode) {
    Zestawieniewszystkiepodmioty1->setChecked(mode == SummaryMode::AllConfirmed);
    Zestawieniepodmiotyzweryfikowane1->setChecked(mode == SummaryMode::Verified);
    Zestawieniepodmiotydoweryfikacji1->setChecked(mode == SummaryMode::ToVerify);
}

void TForm1::buildToolBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setFixedHeight(33);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);

    ComboBox1 = new QComboBox(bar);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setMaximumWidth(120);
    QFont comboFont = font();
    comboFont.setBold(true);
    ComboBox1->setFont(comboFont);
    // Blue only while usable: a disabled selector keeps the grey that says so.
    QPalette comboPalette = ComboBox1->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        comboPalette.setColor(group, QPalette::Text, QColor(0, 84, 227));
        comboPalette.setColor(group, QPalette::ButtonText, QColor(0, 84, 227));
    }
    ComboBox1->setPalette(comboPalette);
    ComboBox1->addItems({QStringLiteral("Pasmo 80M"), QStringLiteral("Pasmo 40M"),
                         QStringLiteral("Pasmo 20M"), QStringLiteral("Pasmo 15M"),
                         QStringLiteral("Pasmo 10M"), QStringLiteral("Strefy 80M"),
                         QStringLiteral("Strefy 40M"), QStringLiteral("Strefy 20M"),
                         QStringLiteral("Strefy 15M"), QStringLiteral("Strefy 10M")});
    connect(ComboBox1, &QComboBox::activated, this,
            guarded(ctx_.dialogs, [this] { ComboBox1Change(); }));

    Label4 = new QLabel(QStringLiteral("Widok: "), bar);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label5 = new ElidedLabel(bar);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont viewFont(QStringLiteral("Arial"));
    viewFont.setPixelSize(13);
    viewFont.setBold(true);
    Label5->setFont(viewFont);
    Label5->setStyleSheet(QStringLiteral("color: navy"));
    Label1 = new ElidedLabel(bar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(bar);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont searchFont(QStringLiteral("Arial"));
    searchFont.setPixelSize(20);
    searchFont.setBold(true);
    Label3->setFont(searchFont);
    Label3->setStyleSheet(QStringLiteral("color: red"));

    row->addWidget(ComboBox1);
    row->addSpacing(8);
    row->addWidget(Label4);
    // The view name takes what the others leave: a long one is cut before
    // the search hint is, and a cut text shows whole as a tooltip. The search
    // buffer takes only its text's width, so at the usual width an empty one
    // leaves room for the longest view name and the hint.
    Label5->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(Label5, 1);
    row->addWidget(Label1);
    row->addWidget(Label3);
    static_cast<QVBoxLayout*>(parent->layout())->addWidget(bar);
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();

    Plik1 = addMenu(bar, QStringLiteral("Plik1"), QStringLiteral("Plik"));
    Nowy1 = addItem(Plik1, QStringLiteral("Nowy1"), QStringLiteral("Nowy"));
    Plik1->addSeparator();
    Otwrz1 = addItem(Plik1, QStringLiteral("Otwrz1"), QStringLiteral("Otwórz"));
    Plik1->addSeparator();
    Zapisz1 = addItem(Plik1, QStringLiteral("Zapisz1"),
                      QStringLiteral("Zapisz                          Ctrl+S"));
    Zapiszjako1 = addItem(Plik1, QStringLiteral("Zapiszjako1"), QStringLiteral("Zapisz jako.."));
    Plik1->addSeparator();
    Zarzdzaniebazpodmiotw1 = addItem(Plik1, QStringLiteral("Zarzdzaniebazpodmiotw1"),
                                     QStringLiteral("Zarządzanie bazą podmiotów"));
    Plik1->addSeparator();
    Koniec1 = addItem(Plik1, QStringLiteral("Koniec1"), QStringLiteral("&Koniec"));

    Widok1 = addMenu(bar, QStringLiteral("Widok1"), QStringLiteral("Widok"));
    auto* views = new QActionGroup(this);
    Wszystkiepodmioty1 = addCheckItem(Widok1, views, QStringLiteral("Wszystkiepodmioty1"),
                                      QStringLiteral("Wszystkie podmioty"));
    Wszystkiepodmiotybezzweryfikowanych1 =
        addCheckItem(Widok1, views, QStringLiteral("Wszystkiepodmiotybezzweryfikowanych1"),
                     QStringLiteral("Wszystkie podmioty bez zweryfikowanych"));
    Podmiotydoweryfikacji1 = addCheckItem(Widok1, views, QStringLiteral("Podmiotydoweryfikacji1"),
                                          QStringLiteral("Podmioty do weryfikacji"));
    Podmiotyzweryfikowane1 = addCheckItem(Widok1, views, QStringLiteral("Podmiotyzweryfikowane1"),
                                          QStringLiteral("Podmioty zweryfikowane"));
    Podmiotypotwierdzone1 =
        addCheckItem(Widok1, views, QStringLiteral("Podmiotypotwierdzone1"),
                     QStringLiteral("Podmioty potwierdzone (zweryf. i do weryf.)"));
    Podmiotyniepotwierdzone1 =
        addCheckItem(Widok1, views, QStringLiteral("Podmiotyniepotwierdzone1"),
                     QStringLiteral("Podmioty niepotwierdzone"));
    Wszystkiepodmioty1->setChecked(true);
    Widok1->addSeparator();
    auto* modes = new QActionGroup(this);
    Zestawieniewszystkiepodmioty1 =
        addCheckItem(Widok1, modes, QStringLiteral("Zestawieniewszystkiepodmioty1"),
                     QStringLiteral("Zestawienie - wszystkie potwierdzone podmioty/strefy"));
    Zestawieniepodmiotyzweryfikowane1 =
        addCheckItem(Widok1, modes, QStringLiteral("Zestawieniepodmiotyzweryfikowane1"),
                     QStringLiteral("Zestawienie - zweryfikowane podmioty/strefy"));
    Zestawieniepodmiotydoweryfikacji1 =
        addCheckItem(Widok1, modes, QStringLiteral("Zestawieniepodmiotydoweryfikacji1"),
                     QStringLiteral("Zestawienie - podmioty/strefy do weryfikacji"));
    Zestawieniewszystkiepodmioty1->setChecked(true);
    Widok1->addSeparator();
    bez_deleted_1 = addCheckItem(Widok1, nullptr, QStringLiteral("bez_deleted_1"),
                                 QStringLiteral("Nie wyświetlaj podmiotów usuniętych"));
    Widok1->addSeparator();
    Wykrespostpu1 =
        addItem(Widok1, QStringLiteral("Wykrespostpu1"), QStringLiteral("Wykres postępu"));

    Druk1 = addMenu(bar, QStringLiteral("Druk1"), QStringLiteral("Drukowanie"));
    Wydrukpodmiotw1 = addItem(Druk1, QStringLiteral("Wydrukpodmiotw1"),
                              QStringLiteral("Wydruk zestawienia podmiotów i stref"));

    Importdanych1 = bar->addAction(QStringLiteral("Import danych"));
    Importdanych1->setObjectName(QStringLiteral("Importdanych1"));

    Weryfikacja1 = addMenu(bar, QStringLiteral("Weryfikacja1"), QStringLiteral("Weryfikacja"));
    Wyslij_dane = addItem(Weryfikacja1, QStringLiteral("Wyslij_dane"),
                          QStringLiteral("Wyślij dane do weryfikacji"));
    Weryfikacja1->addSeparator();
    Weryfikacjadanych1 = addItem(Weryfikacja1, QStringLiteral("Weryfikacjadanych1"),
                                 QStringLiteral("Zaznacz dane jako zweryfikowane"));

    Edycja1 = bar->addAction(QStringLiteral("Edycja"));
    Edycja1->setObjectName(QStringLiteral("Edycja1"));
    Szukanie1 = bar->addAction(QStringLiteral("Szu&kanie"));
    Szukanie1->setObjectName(QStringLiteral("Szukanie1"));

    Ustawienia1 = addMenu(bar, QStringLiteral("Ustawienia1"), QStringLiteral("Ustawienia"));
    Kolory1 = Ustawienia1->addMenu(QStringLiteral("Kolory"));
    Kolory1->setObjectName(QStringLiteral("Kolory1"));
    Kolortadlapodmiotwpotwierdzonych1 =
        addItem(Kolory1, QStringLiteral("Kolortadlapodmiotwpotwierdzonych1"),
                QStringLiteral("Kolor tła dla podmiotów potwierdzonych"));
    Kolortadlapodmiotwusunitych1 = addItem(Kolory1, QStringLiteral("Kolortadlapodmiotwusunitych1"),
                                           QStringLiteral("Kolor tła dla podmiotów usuniętych"));
    Kolortadlapodmiotwzweryfikowanych1 =
        addItem(Kolory1, QStringLiteral("Kolortadlapodmiotwzweryfikowanych1"),
                QStringLiteral("Kolor tła dla podmiotów zweryfikowanych"));
    Kolortadlapodmiotwpozostaych1 =
        addItem(Kolory1, QStringLiteral("Kolortadlapodmiotwpozostaych1"),
                QStringLiteral("Kolor tła dla podmiotów pozostałych"));
    Czcionka1 = addItem(Ustawienia1, QStringLiteral("Czcionka1"), QStringLiteral("Czcionka"));
    Korekcjaszerokocigwnegookna1 =
        addItem(Ustawienia1, QStringLiteral("Korekcjaszerokocigwnegookna1"),
                QStringLiteral("Korekta szerokości głównego okna"));

    Pomoc1 = addMenu(bar, QStringLiteral("Pomoc1"), QStringLiteral("Pomoc"));
    Plikpomocy1 = addItem(Pomoc1, QStringLiteral("Plikpomocy1"), QStringLiteral("Plik pomocy"));
    Oprogramie1 = addItem(Pomoc1, QStringLiteral("Oprogramie1"), QStringLiteral("O programie.."));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Wysoko1 = addItem(PopupMenu1, QStringLiteral("Wysoko1"), QStringLiteral("Wysokość wierszy"));

    const std::pair<QAction*, void (TForm1::*)()> handlers[] = {
        {Nowy1, &TForm1::Nowy1Click},
        {Otwrz1, &TForm1::Otwrz1Click},
        {Zapisz1, &TForm1::Zapisz1Click},
        {Zapiszjako1, &TForm1::Zapiszjako1Click},
        {Koniec1, &TForm1::Koniec1Click},
        {Wszystkiepodmioty1, &TForm1::Wszystkiepodmioty1Click},
        {Wszystkiepodmiotybezzweryfikowanych1, &TForm1::Wszystkiepodmiotybezzweryfikowanych1Click},
        {Podmiotydoweryfikacji1, &TForm1::Podmiotydoweryfikacji1Click},
        {Podmiotyzweryfikowane1, &TForm1::Podmiotyzweryfikowane1Click},
        {Podmiotypotwierdzone1, &TForm1::Podmiotypotwierdzone1Click},
        {Podmiotyniepotwierdzone1, &TForm1::Podmiotyniepotwierdzone1Click},
        {bez_deleted_1, &TForm1::bez_deleted_1Click},
        {Szukanie1, &TForm1::Szukanie1Click},
    };
    for (const auto& item : handlers) {
        const auto handler = item.second;
        connect(item.first, &QAction::triggered, this,
                guarded(ctx_.dialogs, [this, handler] { (this->*handler)(); }));
    }
}

} // namespace zef

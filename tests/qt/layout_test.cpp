#include "tests/qt/windowfixture.hpp"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

namespace vantor {
namespace {

// A control's place in twips relative to the window's client area, summed by hand from its
// frame's place and its own.
struct ExpectedPlace {
    std::string name;
    int left;
    int top;
    int width;
    int height;
};

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

class ControlGeometry : public WindowTest, public ::testing::WithParamInterface<ExpectedPlace> {};

TEST_P(ControlGeometry, SitsWhereTheTwipsPutIt) {
    const ExpectedPlace& expected = GetParam();
    const QWidget* control = widget(expected.name);
    ASSERT_NE(control, nullptr);
    const QPoint topLeft = control->mapTo(window.centralWidget(), QPoint(0, 0));
    EXPECT_EQ(topLeft, QPoint(pixels(expected.left), pixels(expected.top)));
    EXPECT_EQ(control->size(), QSize(pixels(expected.width), pixels(expected.height)));
}

INSTANTIATE_TEST_SUITE_P(
    Sample, ControlGeometry,
    ::testing::Values(ExpectedPlace{"planFrm", 3900, 0, 3570, 3705},
                      ExpectedPlace{"Frame2", 120, 3750, 7335, 2775},
                      ExpectedPlace{"tooltipsLab", 150, 6525, 3390, 240},
                      ExpectedPlace{"t0But", 120 + 75, 0 + 300, 540, 380},
                      ExpectedPlace{"FrunBut", 120 + 2475, 0 + 300, 615, 380},
                      ExpectedPlace{"dtOpt(3)", 120 + 2700, 0 + 720, 990, 315},
                      ExpectedPlace{"tLab", 120 + 375, 0 + 975, 2940, 315},
                      ExpectedPlace{"tychoOpt", 120 + 2550, 1380 + 675, 1000, 255},
                      ExpectedPlace{"ItrailChk", 120 + 2955, 1380 + 1455, 315, 315},
                      ExpectedPlace{"SdiskChk", 120 + 2325, 1380 + 2100, 240, 195},
                      ExpectedPlace{"planBlock", 3900 + 120, 0 + 300, 3255, 3255},
                      ExpectedPlace{"mercator", 120 + 120, 3750 + 240, 7095, 2415}),
    [](const ::testing::TestParamInfo<ExpectedPlace>& param) {
        std::string name = param.param.name;
        std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
        return name;
    });

// The colour most of a widget shows.
QRgb groundOf(QWidget* widget) {
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

TEST(DesktopColours, ControlsFollowADarkDesktopAndThePicturesStayAsTheyAre) {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    // The desktop's window ground and text, apart from its dialog colours.
    dark.setColor(QPalette::Base, QColor(0x20, 0x24, 0x28));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    QApplication::setPalette(dark);
    {
        MainWindow window;
        window.show();
        window.form().startUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (const char* name : {"Frame4", "Frame3", "sunChk", "helioOpt", "tLab"}) {
            EXPECT_EQ(QColor(groundOf(window.controlWidget(name))), QColor(0x20, 0x24, 0x28))
                << name;
        }
        // Captions in the desktop's text colour.
        const QImage sunBox =
            window.controlWidget("sunChk")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool textShown = false;
        for (int y = 0; y < sunBox.height(); ++y) {
            for (int x = 20; x < sunBox.width(); ++x) {
                textShown = textShown || QColor(sunBox.pixel(x, y)) == QColor(0xE0, 0xE0, 0xE0);
            }
        }
        EXPECT_TRUE(textShown);
        EXPECT_EQ(QColor(groundOf(window.controlWidget("tooltipsLab"))), QColor(Qt::white));
        const QImage sky = window.controlWidget("mercator")
                               ->grab()
                               .toImage()
                               .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(sky.copy(1, 1, 471, 159), imageOf(window.form().skySurface().Image()));
        EXPECT_EQ(QColor(sky.pixel(0, 0)), QColor(Qt::black));
    }
    QApplication::setPalette(before);
}

TEST_F(WindowTest, ClientAreaIsFixedBelowTheMenuBar) {
    EXPECT_EQ(window.centralWidget()->size(), QSize(501, 456));
    EXPECT_EQ(window.centralWidget()->mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.height(), 456 + window.menuBar()->height());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(WindowTest, CarriesTheProgramIconOnceShown) {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.windowIcon().isNull(); }));
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(256, 256)));
}

TEST_F(WindowTest, CaptionsAfterStartUp) {
    EXPECT_EQ(window.windowTitle(), "Vantor 2.00");
    EXPECT_EQ(labelText("tLab"),
              QLocale::system().standaloneMonthName(3, QLocale::LongFormat) + " 21");
    EXPECT_EQ(labelText("tooltipsLab"), "");
    EXPECT_EQ(button("dtOpt(3)")->text(), "1 month");
    EXPECT_EQ(button("skyChk")->text(), "Sky View");
    EXPECT_EQ(button("SUNoChk")->text(), "");
    EXPECT_EQ(labelText("Label2"), "Proj");
}

TEST_F(WindowTest, StartStateShowsThePlainDiscAndTheSkyView) {
    EXPECT_TRUE(widget("planBlock")->isVisible());
    EXPECT_FALSE(widget("planView")->isVisible());
    EXPECT_TRUE(widget("mercator")->isVisible());
    // The run faces only lend their pictures: no widget of theirs can show or be announced.
    for (const char* face : {"Frun", "Brun", "Brun_g", "Frun_g"}) {
        EXPECT_EQ(window.controlWidget(face), nullptr) << face;
    }
    EXPECT_TRUE(button("sunChk")->isChecked());
    EXPECT_FALSE(button("topChk")->isChecked());
    EXPECT_TRUE(button("dtOpt(1)")->isChecked());
    EXPECT_FALSE(button("dtOpt(0)")->isChecked());
    EXPECT_TRUE(button("helioOpt")->isChecked());
}

TEST_F(WindowTest, MenuBarReadsFileOptionsBlankThenHelpAtTheRightEnd) {
    QMenuBar* bar = window.menuBar();
    QList<QAction*> titles = bar->actions();
    titles.removeIf([](const QAction* title) { return title->isSeparator(); });
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[0]->text(), "File");
    EXPECT_EQ(titles[1]->text(), "Options");
    EXPECT_FALSE(titles[1]->isEnabled());
    EXPECT_TRUE(titles[2]->isEnabled());
    EXPECT_EQ(titles[3]->text(), "Help");

    // The view commands' title shows blank, over an entry wide enough to click.
    const QRect blank = bar->actionGeometry(titles[2]);
    EXPECT_GT(blank.width(), 10);
    // The bar's bottom line aside.
    const QImage shown =
        bar->grab(blank.adjusted(0, 0, 0, -2)).toImage().convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            colours.insert(shown.pixel(x, y));
        }
    }
    EXPECT_EQ(colours.size(), 1U) << "the blank title shows something";

    const QRect help = bar->actionGeometry(titles[3]);
    EXPECT_GE(help.right(), bar->width() - 8);
    EXPECT_GT(help.left(), blank.right());
}

TEST_F(WindowTest, MenusOpenWithTheirSeparatorsAndCommandsInOrder) {
    const auto items = [this](const char* menu) {
        QStringList texts;
        for (const QAction* action : window.findChild<QMenu*>(menu)->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return texts;
    };
    EXPECT_EQ(items("fileM"), (QStringList{"-", "Exit"}));
    EXPECT_EQ(items("helpMen"), (QStringList{"-", "About"}));
    EXPECT_EQ(items("testMen"),
              (QStringList{"Load Stars to Equator", "Load Stars to Ecliptic", "Clear Planview",
                           "Clear Skyview", "Save Planview", "Save Mercator"}));
}

} // namespace
// A new date repaints only the rows its text covers; every pixel any date draws lies in them,
// accented capitals and descenders included.
TEST_F(WindowTest, DateLabelRepaintsEveryPixelItsTextDraws) {
    auto* date = dynamic_cast<LabelWidget*>(widget("tLab"));
    ASSERT_NE(date, nullptr);
    controls().tLab.setCaption("");
    const QImage blank = date->grab().toImage();
    QStringList texts{QStringLiteral("\u00c5O\u00dbT jgpq 01"), QStringLiteral("\u0106 \u00cf")};
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            texts << QLocale::system().standaloneMonthName(month, QLocale::LongFormat) +
                         QStringLiteral(" %1").arg(day, 2, 10, QChar('0'));
        }
    }
    for (const QString& text : texts) {
        controls().tLab.setCaption(text.toStdString());
        const QImage drawn = date->grab().toImage();
        const QRect ink = date->inkRect(text);
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != blank.pixel(x, y)) {
                    ASSERT_TRUE(ink.contains(x, y))
                        << text.toStdString() << " at " << x << "," << y;
                }
            }
        }
    }
}

// The date is drawn from its kept pieces, month and day, the day copied from kept pictures, and a
// new date repaints only the rectangle it names: the label then shows, for every date of the
// desktop's language and of German, exactly what drawing the whole text at once shows.
TEST_F(WindowTest, DateLabelInPiecesShowsWhatTheWholeTextDraws) {
    auto* date = dynamic_cast<LabelWidget*>(widget("tLab"));
    ASSERT_NE(date, nullptr);
    QStringList texts;
    for (const QLocale& locale : {QLocale::system(), QLocale(QLocale::German)}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                texts << locale.standaloneMonthName(month, QLocale::LongFormat) +
                             QStringLiteral(" %1").arg(day, 2, 10, QChar('0'));
            }
        }
    }
    controls().tLab.setCaption(texts.first().toStdString());
    QImage shown = date->grab().toImage();
    int narrowed = 0;
    for (qsizetype at = 1; at < texts.size(); ++at) {
        const QRect repainted = date->repaintedRect(texts[at - 1], texts[at]);
        narrowed += repainted.width() < date->width() ? 1 : 0;
        controls().tLab.setCaption(texts[at].toStdString());
        date->render(&shown, repainted.topLeft(), QRegion(repainted));
        date->setDrawnInPieces(false);
        const QImage whole = date->grab().toImage();
        date->setDrawnInPieces(true);
        ASSERT_EQ(shown, whole) << texts[at].toStdString();
    }
    // Within a month only the day's columns are repainted, and only the units' when the tens stay.
    EXPECT_GT(narrowed, texts.size() / 2);
    // The days' pictures serve more than one date each.
    EXPECT_GT(date->keptPictures(), 0);
    EXPECT_LT(date->keptPictures(), texts.size() / 2);
    EXPECT_LT(date->repaintedRect(texts[0], texts[1]).width(),
              date->repaintedRect(texts[8], texts[9]).width());
}

} // namespace vantor

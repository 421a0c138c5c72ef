// The window in the player's language: which language is chosen, and each translation as the
// form shows it, within the form's fixed controls.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <fstream>
#include <string>
#include <vector>

#include "EngineBoard.h"
#include "F_Board.h"
#include "GameSession.h"
#include "Language.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Pgn.h"
#include "SavedGame.h"
#include "SessionSignals.h"

namespace {

// The room a control leaves its caption, in pixels.
int Room(QWidget* control) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    }
    if (qobject_cast<QPushButton*>(control))
        return control->width() - 2 * (control->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                       control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    return control->contentsRect().width();
}

QString Caption(QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

// Messages the engine and the notation library write about files and texts that hold no
// game, with the file names in folder.
QStringList LibraryMessages(const QString& folder) {
    namespace chess = ostrand::chess;
    QStringList found;
    std::string error;
    const auto add = [&](bool failed) {
        if (failed) found << QString::fromStdString(error);
    };
    const auto load = [&](const char* name, const std::string& content) {
        const std::string path = (folder + "/" + name).toStdString();
        if (!content.empty()) std::ofstream(path) << content;
        add(!ostrand::LoadGame(path, error));
    };
    load("missing.txt", "");
    load("letters.txt", "12\nabc\n");
    load("large.txt", "99999\n");
    load("short.txt", "0\n0\n");
    std::string zeros;
    for (int i = 0; i < 153; ++i)
        zeros += "0\n";
    load("negative.txt", "-1\n" + zeros);
    load("border.txt", "0\n" + zeros);
    add(!ostrand::SaveGame((folder + "/no folder/Board.txt").toStdString(), error));

    chess::Position position;
    for (const char* fen :
         {"8/8/8 w - - 0 1", "rnbqkbnr/ppppXppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
          "rnbqkbnr/ppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "8/8",
          "4k3/8/8/8/8/8/8/4K3 x - - 0 1", "4k3/8/8/8/8/8/8/4K3 w KX - 0 1",
          "4k3/8/8/8/8/8/8/4K3 w - e4 0 1", "4k3/8/8/8/8/8/8/4K3 w - - a b",
          "4k3/8/8/8/8/8/8/4K3 w - - 0 0", "8/8/8/8/8/8/8/4K3 w - - 0 1",
          "4k3/8/8/8/8/8/8/P3K3 w - - 0 1", "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1"})
        add(!chess::ParseFen(fen, position, error));

    std::vector<chess::PgnGame> games;
    for (const char* pgn : {"1. e4\x01", "", "1. e4 { open", "[Event x]\n1. e4 *",
                            "1. e4 e5 2. Ke3 *", "1. e4 e5 (1... c5 *", "1. e4 ] *"})
        if (!chess::ReadPgn(pgn, games, error))
            add(true);
        else
            found << QString::fromStdString(games.at(0).error);
    for (const char* pgn : {"[SetUp \"1\"]\n[FEN \"4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1\"]\n1. exd6 *",
                            "[SetUp \"1\"]\n[FEN \"4k3/P7/8/8/8/8/8/4K3 w - - 0 1\"]\n1. a8=N *"}) {
        std::vector<std::string> texts;
        if (chess::ReadPgn(pgn, games, error))
            add(!chess::EngineMoves(games[0].start, games[0].moves, chess::Colour::Black, texts,
                                    error));
    }
    if (chess::ParseFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", position, error))
        found << QString::fromStdString(chess::SetUpEngine(position, chess::Colour::Black));
    return found;
}

void RemoveTranslations() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder;

  private slots:
    void initTestCase() {
        QVERIFY(settingsFolder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        QCOMPARE(language::Translated(), QStringList({"de", "es", "fr"}));
    }
    void cleanup() { RemoveTranslations(); }

    // Each row: --lang, the View menu's setting, LANGUAGE, LC_ALL, LC_MESSAGES, LANG, and the
    // language shown (empty for English).
    void theLanguageIsChosenInOrder_data() {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, QStringList values, const char* shown) {
            QTest::newRow(name) << values << QString(shown);
        };
        row("system locale", {"", "", "", "", "", "fr_FR.UTF-8"}, "fr");
        row("LC_ALL before LANG", {"", "", "", "es_ES.UTF-8", "", "de_DE.UTF-8"}, "es");
        row("LC_MESSAGES before LANG", {"", "", "", "", "de_AT", "fr_FR"}, "de");
        row("LANGUAGE's first translated", {"", "", "pt:es:de", "", "", "fr_FR.UTF-8"}, "es");
        row("LANGUAGE's English first", {"", "", "en_GB:de", "", "", "de_DE.UTF-8"}, "");
        row("LANGUAGE without a locale", {"", "", "de", "", "", ""}, "de");
        row("C locale keeps English", {"", "", "de", "", "", "C"}, "");
        row("POSIX locale keeps English", {"", "", "fr", "POSIX", "", "fr_FR"}, "");
        row("untranslated locale", {"", "", "", "", "", "pt_BR.UTF-8"}, "");
        row("setting over system", {"", "es", "de", "", "", "fr_FR"}, "es");
        row("option over setting", {"de_CH", "es", "", "", "", "fr_FR"}, "de");
        row("option English", {"en", "es", "", "", "", "fr_FR"}, "");
        row("untranslated option", {"xx", "es", "", "", "", "fr_FR"}, "");
    }
    void theLanguageIsChosenInOrder() {
        QFETCH(QStringList, row);
        QFETCH(QString, shown);
        QCOMPARE(language::Choose(row[0], row[1], {row[2], row[3], row[4], row[5]}), shown);
    }

    // Every caption of the form in each language, the statistics with the widest figures
    // the engine writes.
    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        for (const QString& code : language::Translated())
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyCaptionFitsItsControl() {
        QFETCH(QString, language);
        SessionSignals reports;
        ostrand::game::GameSession session(reports);
        const auto needs = [](F_Board& board) {
            board.ShowStatistic(ostrand::StatusLabel::Nodes, "Nodes: 123456789");
            board.ShowStatistic(ostrand::StatusLabel::BestValue, "Best Value: -32000");
            board.ShowStatistic(ostrand::StatusLabel::Time, "Time: 123.4567");
            board.ShowStatistic(ostrand::StatusLabel::Speed, "Nodes/Sec: 12345678");
            board.ShowStatistic(ostrand::StatusLabel::State, "State: 4 / -32000");
            QList<std::pair<QString, int>> needs;
            for (QWidget* control : board.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QString caption = Caption(control);
                const int width = control->fontMetrics().boundingRect(caption).right() + 1;
                needs.append({caption, caption.isEmpty() ? 0 : width - Room(control)});
            }
            return needs;
        };
        F_Board english(session, reports);
        const QList<std::pair<QString, int>> englishNeeds = needs(english);
        language::Install(*qApp, language);
        F_Board board(session, reports);
        const QList<std::pair<QString, int>> shownNeeds = needs(board);
        QCOMPARE(board.Btn_NewGame->text() == "New", language.isEmpty());
        QCOMPARE(board.Label18->text().startsWith("State: "), language.isEmpty());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes",
                 language.isEmpty());
        // A caption may run as far past its control's room as the English one does (the
        // check box's, by a pixel or two of its last letter's side bearing), no further.
        for (qsizetype i = 0; i < shownNeeds.size(); ++i) {
            const auto& [caption, overrun] = shownNeeds[i];
            QVERIFY2(
                overrun <= std::max(0, englishNeeds[i].second),
                qPrintable(
                    QString("“%1” runs %2 pixels past its control").arg(caption).arg(overrun)));
        }
    }

    // In English every message stays as written; in the others no English phrase is left.
    void everyMessageIsTranslated_data() { everyCaptionFitsItsControl_data(); }
    void everyMessageIsTranslated() {
        QFETCH(QString, language);
        QTemporaryDir folder;
        const QStringList english = LibraryMessages(folder.path());
        QCOMPARE(english.size(), 29);
        language::Install(*qApp, language);
        const QRegularExpression englishWord(
            "\\b(the|is|not|has|holds|cannot|of|which|move|line|file|game|values|does|and|"
            "piece|rank|square|unexpected|comment|variation|illegal)\\b");
        QCOMPARE(messages::ShownSan("Nbxd7+") == "Nbxd7+", language.isEmpty());
        for (const QString& message : english) {
            QVERIFY2(!message.isEmpty(), "a message is missing");
            const QString shown = messages::Translated(message);
            if (language.isEmpty())
                QCOMPARE(shown, message);
            else
                QVERIFY2(!shown.contains(englishWord), qPrintable(shown));
        }
    }

    void theMenusChoiceIsKeptForTheNextStart() {
        {
            MainWindow window;
            QVERIFY(window.findChild<QAction*>("languageSystem")->isChecked());
            window.findChild<QAction*>("languagefr")->trigger();
        }
        QCOMPARE(MainWindow::LanguageSetting(), QString("fr"));
        MainWindow window;
        QVERIFY(window.findChild<QAction*>("languagefr")->isChecked());
        window.findChild<QAction*>("languageSystem")->trigger();
        QCOMPARE(MainWindow::LanguageSetting(), QString());
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"

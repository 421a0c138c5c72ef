#include "AnalysisPanel.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "EvaluationGraph.h"
#include "Messages.h"
#include "San.h"

namespace chess = ostrand::chess;
namespace game = ostrand::game;

namespace {

// The panel's width at 100 %: the graph's and its margins.
constexpr int DesignMargin = 4;

// "+0.34", "-1.20", "#3": the sign always shown, as players read scores.
QString Eval(const game::Score& score) {
    const QString text = QString::fromStdString(score.EvalText());
    return !score.IsMate() && score.value > 0 ? "+" + text : text;
}

// "14. Nf3" for White's move, "14… Nf6" for Black's.
QString Numbered(const chess::Position& before, const std::string& san) {
    const QString number = before.toMove == chess::Colour::White
                               ? QString("%1. ").arg(before.fullmove)
                               : QString("%1… ").arg(before.fullmove);
    return number + messages::ShownSan(san);
}

// A line of SAN moves from before, numbered as a game is: "14… Nf6 15. O-O Be7".
QString NumberedLine(const chess::Position& before, const std::vector<std::string>& line) {
    QString text;
    int number = before.fullmove;
    bool white = before.toMove == chess::Colour::White;
    for (size_t i = 0; i < line.size(); ++i) {
        if (!text.isEmpty()) text += ' ';
        if (white)
            text += QString("%1. ").arg(number);
        else if (i == 0)
            text += QString("%1… ").arg(number);
        text += messages::ShownSan(line[i]);
        if (!white) ++number;
        white = !white;
    }
    return text;
}

}  // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent)
    : QWidget(parent), graph_(new EvaluationGraph), verdict_(new QLabel), summary_(new QLabel) {
    setObjectName("analysisPanel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(graph_);
    for (QLabel* label : {verdict_, summary_}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    verdict_->setObjectName("analysisVerdict");
    summary_->setObjectName("analysisSummary");
    summary_->setToolTip(
        tr("Blunders (?\?), mistakes (?) and inaccuracies (?!), and the average loss in "
           "hundredths of a pawn"));
    layout->addStretch(1);
    SetScale(1);
}

void AnalysisPanel::SetScale(double scale) {
    const int margin = static_cast<int>(std::lround(DesignMargin * scale));
    layout()->setContentsMargins(margin, 0, margin, margin);
    layout()->setSpacing(margin);
    graph_->SetScale(scale);
    QFont font = QApplication::font(this);
    font.setPointSizeF(font.pointSizeF() * scale);
    verdict_->setFont(font);
    summary_->setFont(font);
    setFixedWidth(graph_->width() + 2 * margin);
}

void AnalysisPanel::Show(const game::GameAnalysis& analysis, std::optional<size_t> chosen) {
    const std::vector<double> points = analysis.GraphPoints();
    graph_->Show(points, analysis.moves.size() + 1, chosen ? *chosen + 1 : 0);

    std::vector<chess::Position> before{analysis.start};
    for (const chess::Move& move : analysis.moves) {
        before.push_back(before.back());
        chess::Play(before.back(), move);
    }
    QStringList lines;
    if (chosen && *chosen >= analysis.moves.size()) {
        lines << tr("Played after the analysis");
    } else if (!chosen) {
        lines << tr("The start position");
        if (!analysis.positions.empty()) lines.back() += "  " + Eval(analysis.positions[0].score);
    } else {
        const size_t move = *chosen;
        const game::MoveVerdict verdict = analysis.Verdict(move);
        QString head = Numbered(before[move], chess::SanText(before[move], analysis.moves[move])) +
                       QString::fromUtf8(game::MarkText(verdict.mark));
        if (move + 1 < analysis.positions.size())
            head += "  " + Eval(analysis.positions[move + 1].score);
        lines << head;
        if (move + 1 >= analysis.positions.size() && verdict.mark == game::Mark::None)
            lines << tr("Not analysed yet");
        if (!verdict.betterSan.empty()) {
            QString better = tr("Better: %1").arg(messages::ShownSan(verdict.betterSan));
            if (move < analysis.positions.size())
                better += "  " + Eval(analysis.positions[move].score);
            lines << better;
            if (!verdict.betterLine.empty())
                lines << tr("Line: %1").arg(NumberedLine(before[move], verdict.betterLine));
        }
    }
    verdict_->setText(lines.join('\n'));

    QString table =
        "<table cellspacing=0 cellpadding=1><tr><td></td><td align=right>?\?</td>"
        "<td align=right>?</td><td align=right>?!</td><td align=right>" +
        tr("Avg. loss").toHtmlEscaped() + "</td></tr>";
    for (const chess::Colour side : {chess::Colour::White, chess::Colour::Black}) {
        const game::SideSummary summary = analysis.Summary(side);
        table +=
            QString(
                "<tr><td>%1&nbsp;</td><td align=right>&nbsp;%2</td>"
                "<td align=right>&nbsp;%3</td><td align=right>&nbsp;%4</td>"
                "<td align=right>&nbsp;%5</td></tr>")
                .arg((side == chess::Colour::White ? tr("White") : tr("Black")).toHtmlEscaped())
                .arg(summary.blunders)
                .arg(summary.mistakes)
                .arg(summary.inaccuracies)
                .arg(summary.averageLoss);
    }
    summary_->setText(table + "</table>");
}

QString AnalysisPanel::VerdictText() const {
    return verdict_->text();
}

QString AnalysisPanel::SummaryText() const {
    return summary_->text();
}

#include "capnumbersdialog.h"

#include "caporder.h"
#include "scoring.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString lineText(const QVector<int> &caps)
{
    QStringList numbers;
    for (int cap : caps)
        numbers << QString::number(cap);
    return numbers.join(QLatin1Char(' '));
}

// A text with more entries than the first two trays hold was meant for all four.
constexpr int WholeTextEntries = CapOrder::Tray1Size + CapOrder::TraySize + 1;

} // namespace

CapNumbersDialog::CapNumbersDialog(const QVector<int> &order, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CapNumbersDialog"));
    setWindowTitle(tr("Type Cap Numbers"));

    auto *hint = new QLabel(tr("Type the numbers of each tray's caps from left to right, separated "
                               "by blanks or commas. Enter moves to the next tray; a whole cap "
                               "order pasted into the first line fills all four."),
                            this);
    hint->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int t = 0; t < TrayCheck::Trays; ++t) {
        TrayRow &row = rows[t];
        const QString number = QString::number(t + 1);
        row.line = new QLineEdit(this);
        row.line->setObjectName(QStringLiteral("trayLine") + number);
        row.line->setText(lineText(order.mid(CapOrder::trayStart(t), CapOrder::traySize(t))));
        row.count = new QLabel(this);
        row.count->setObjectName(QStringLiteral("trayCount") + number);
        row.count->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("888/88")));
        row.problems = new QLabel(this);
        row.problems->setObjectName(QStringLiteral("trayProblems") + number);
        row.problems->setWordWrap(true);
        auto *label = new QLabel(tr("Tray %1").arg(t + 1), this);
        label->setBuddy(row.line);
        grid->addWidget(label, 2 * t, 0);
        grid->addWidget(row.line, 2 * t, 1);
        grid->addWidget(row.count, 2 * t, 2);
        grid->addWidget(row.problems, 2 * t + 1, 1, 1, 2);

        connect(row.line, &QLineEdit::textChanged, this, &CapNumbersDialog::recheck);
        connect(row.line, &QLineEdit::textEdited, this, [this, t] { lineEdited(t); });
        connect(row.line, &QLineEdit::returnPressed, this, [this, t] { lineReturned(t); });
    }

    tesLabel = new QLabel(this);
    tesLabel->setObjectName(QStringLiteral("tesLabel"));
    // Plain buttons: a button box would make Apply the default button, and Enter
    // belongs to the tray lines.
    applyButton = new QPushButton(tr("Apply"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *button : {applyButton, cancelButton})
        button->setAutoDefault(false);
    connect(applyButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(tesLabel, 1);
    bottom->addWidget(applyButton);
    bottom->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(bottom);

    recheck();
    rows[0].line->setFocus();
    rows[0].line->selectAll();
    resize(qMax(sizeHint().width(), 720), sizeHint().height());
}

void CapNumbersDialog::lineEdited(int tray)
{
    if (tray != 0)
        return;
    const QString text = rows[0].line->text();
    if (TrayCheck::check(0, text).typedCount() < WholeTextEntries)
        return;
    const QStringList parts = CapEntryCheck::splitTrays(text);
    for (int t = TrayCheck::Trays - 1; t >= 0; --t)
        rows[t].line->setText(parts.at(t));
}

void CapNumbersDialog::lineReturned(int tray)
{
    if (tray + 1 < TrayCheck::Trays) {
        rows[tray + 1].line->setFocus();
        rows[tray + 1].line->selectAll();
    } else if (applyButton->isEnabled()) {
        accept();
    }
}

void CapNumbersDialog::recheck()
{
    QStringList texts;
    for (const TrayRow &row : rows)
        texts << row.line->text();
    check = CapEntryCheck::check(texts);
    for (int t = 0; t < TrayCheck::Trays; ++t) {
        const TrayCheck &tray = check.tray(t);
        const TrayRow &row = rows[t];
        row.count->setText(QString::number(tray.typedCount()) + QLatin1Char('/') +
                           QString::number(tray.size()));
        row.problems->setText(tray.isComplete() ? QString(QChar(0x2713)) : tray.problemText());
        row.problems->setStyleSheet(tray.isComplete() ? QStringLiteral("color: #1a7f37;")
                                                      : QStringLiteral("color: #c62828;"));
    }
    const std::optional<int> tes = Scoring::totalErrorScore(check.arrangement());
    applyButton->setEnabled(tes.has_value());
    tesLabel->setText(tes ? tr("Total Error Score (TES): %1").arg(*tes)
                          : tr("Total Error Score (TES): shown when all four trays are "
                               "complete"));
}

// The whole Calculate click on the real converter window: the mouse press and release on
// Command1, the engine and the eleven result boxes' updates, optionally followed by the
// event processing that repaints them. Offscreen platform. Target: under 1 ms per click.
#include "form1.h"
#include "units.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>

namespace {

Form1 *g_form = nullptr;

// Counts paint events, to show whether a variant repaints the result boxes.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

template<typename T> T *child(const char *name)
{
    return g_form->findChild<T *>(QString::fromLatin1(name));
}

// The amount alternates, so every click changes every result box as a user's would.
void click(benchmark::State &state, bool repaint)
{
    const convert::UnitInfo &unit = convert::kUnits[static_cast<std::size_t>(state.range(0))];
    auto *entry = child<QLineEdit>("txtenter");
    auto *combo = child<QComboBox>("Combo1");
    auto *calculate = child<QPushButton>("Command1");
    // A computed box, not the unit's own (a copy of the entry), shows that the click converted.
    auto *result = child<QLineEdit>(unit.boxName == "txtml" ? "txttsp" : "txtml");
    const QString unitText = QString::fromUtf8(unit.text.data(), static_cast<qsizetype>(unit.text.size()));
    combo->setCurrentIndex(combo->findText(unitText));
    if (combo->currentText() != unitText) {
        state.SkipWithError("unit not in the list");
        return;
    }

    long messages = 0;
    g_form->setMessageSink([&messages](const QString &) { ++messages; });
    PaintCounter counter;
    for (QLineEdit *box : g_form->findChildren<QLineEdit *>())
        box->installEventFilter(&counter);
    QApplication::processEvents();

    const std::array<QString, 2> amounts = {QStringLiteral("1234.5"), QStringLiteral("2.25")};
    long changes = 0;
    long timedPaints = 0;
    for (auto _ : state) {
        entry->setText(entry->text() == amounts[0] ? amounts[1] : amounts[0]);
        QApplication::processEvents(); // the entry's own repaint is not part of the click
        const QString before = result->text();
        const long paintsBefore = counter.paints;

        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(calculate, Qt::LeftButton);
        if (repaint)
            QApplication::processEvents();
        const auto stop = std::chrono::steady_clock::now();

        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        timedPaints += counter.paints - paintsBefore;
        changes += result->text() != before ? 1 : 0;
    }
    QApplication::processEvents();
    for (QLineEdit *box : g_form->findChildren<QLineEdit *>())
        box->removeEventFilter(&counter);

    if (messages != 0)
        state.SkipWithError("the click showed a message");
    else if (changes != static_cast<long>(state.iterations()))
        state.SkipWithError("a click left a result box unchanged");
    // Line edits repainted within the timed part, per click.
    state.counters["paints"]
        = benchmark::Counter(static_cast<double>(timedPaints), benchmark::Counter::kAvgIterations);
    state.SetLabel(std::string(unit.text));
}

void calculateClick(benchmark::State &state)
{
    click(state, false);
}

void calculateClickAndRepaint(benchmark::State &state)
{
    click(state, true);
}

BENCHMARK(calculateClick)->DenseRange(0, static_cast<int>(convert::kUnitCount) - 1)->UseManualTime();
BENCHMARK(calculateClickAndRepaint)
    ->DenseRange(0, static_cast<int>(convert::kUnitCount) - 1)
    ->UseManualTime();

} // namespace

int main(int argc, char *argv[])
{
    // No display needed; the raster painting is the same as on screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    g_form = &form;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form = nullptr;
    return 0;
}

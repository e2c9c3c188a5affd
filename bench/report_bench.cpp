// Building both reports of a reading into the result window and showing it, as a reading request
// does once the nakshatra is known. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "reports/ReportBuilders.h"
#include "result/frmTarabeadResult.h"

namespace {

using namespace tarabead;

void BuildAndShow(benchmark::State& state, const char* name) {
    for (auto _ : state) {
        frmTarabeadResult* result = frmTarabeadResult::Instance();
        modNakshatraInformation::BuildNakshatraReport(*result, name);
        modTarabead::BuildRudrakshaReport(*result, name);
        result->ShowReportsFromTheTop();
        result->show();
        QApplication::processEvents();  // lays out and paints the visible report
    }
}

void BM_ReportsOneBead(benchmark::State& state) { BuildAndShow(state, "Revati"); }
void BM_ReportsThreeBeads(benchmark::State& state) { BuildAndShow(state, "Krittika"); }
BENCHMARK(BM_ReportsOneBead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportsThreeBeads)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The scale finder against the true pitch: the simulated microscope's scale
// layout at four frame sizes, turned 0-30 degrees, blurred up to sigma 3 and
// noisy. Prints the error of the found factor, the time per picture on one
// core, and what a hand-laid ruler (each end within 1 pixel) would give.
//   build/bench/bench_findscale
#include "imaging/scalefinder.h"
#include "tests/common/scalepictures.h"

#include <QGuiApplication>

#include <opencv2/core/utility.hpp>

#include <cstdio>
#include <ctime>
#include <random>

static double threadMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    cv::setNumThreads(1);
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> hand(-1.0, 1.0);
    printf("%-11s %5s %5s %5s %8s %10s %9s %9s %s\n", "size", "angle", "blur", "noise", "span px", "error %", "est. %",
           "ms", "hand ±1px %");
    int cases = 0, found = 0, within = 0, spanCases = 0;
    double worst = 0, worstMs5 = 0;
    for (const QSize size : {QSize(640, 480), QSize(1280, 720), QSize(1920, 1080), QSize(2592, 1944)}) {
        for (double angle : {0.0, 10.0, 20.0, 30.0}) {
            for (double blur : {0.0, 1.5, 3.0}) {
                for (double noise : {0.0, 8.0}) {
                    scalepictures::Spec s;
                    s.size = size;
                    s.angle = angle;
                    s.blur = blur;
                    s.noise = noise;
                    s.uneven = noise > 0;
                    s.seed = quint32(++cases);
                    const cv::Mat picture = scalepictures::make(s);
                    imaging::findScale(picture); // warm
                    // CPU time of this thread: the machine may be shared.
                    const double start = threadMs();
                    const int runs = 2;
                    imaging::ScaleFit fit;
                    for (int i = 0; i < runs; ++i)
                        fit = imaging::findScale(picture);
                    const double ms = (threadMs() - start) / runs;
                    const double span = s.divisions * s.truePitch();
                    // A hand-laid ruler over the whole scale, each end within a pixel.
                    const double handError = (hand(rng) - hand(rng)) / span * 100;
                    if (size.width() == 2592)
                        worstMs5 = std::max(worstMs5, ms);
                    if (!fit.found) {
                        printf("%4dx%-6d %5.0f %5.1f %5.0f %8.0f %10s %9s %9.1f %+.3f   (%s)\n", size.width(),
                               size.height(), angle, blur, noise, span, "refused", "", ms, handError,
                               qPrintable(fit.failure));
                        continue;
                    }
                    ++found;
                    const double error = (fit.pitch / s.truePitch() - 1) * 100;
                    const double fitSpan = fit.length();
                    if (fitSpan >= 300) {
                        ++spanCases;
                        within += std::abs(error) < 0.05;
                        worst = std::max(worst, std::abs(error));
                    }
                    printf("%4dx%-6d %5.0f %5.1f %5.0f %8.0f %+10.4f %9.4f %9.1f %+.3f\n", size.width(), size.height(),
                           angle, blur, noise, fitSpan, error, fit.relativeError() * 100, ms, handError);
                }
            }
        }
    }
    printf("\n%d pictures, %d found; where the found scale spans >= 300 px: %d of %d under 0.05 %% (worst %.4f %%); "
           "slowest at 5 MP: %.1f ms\n",
           cases, found, within, spanCases, worst, worstMs5);
    return 0;
}

#pragma once
// A hidden test hook: QUARVEL_SCENARIO=<prefix> makes the program walk through its first stages
// by itself, saving a screenshot of each (<prefix>-splash.png, -table.png, -donne.png), then quit.
// With QUARVEL_MESURE=1 it also plays a whole deal and prints timings to stderr.
#include <QElapsedTimer>
#include <QString>

namespace quarvel::qt {

class Vue;

void lancerScenario(Vue& vue, const QString& prefixe, const QElapsedTimer& depuisLancement,
                    bool mesurer);

} // namespace quarvel::qt

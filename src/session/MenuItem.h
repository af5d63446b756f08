#pragma once
#include <QString>

namespace nimbo {

// One MENULIST row: a group of the access tree or an entry in it.
struct MenuItem {
    int id = 0;
    int parent = 0;
    QString tanim; // the caption, also the dispatch key
    int imageId = 0;
};

} // namespace nimbo

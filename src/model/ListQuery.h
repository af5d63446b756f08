#pragma once
#include "db/Db.h"

namespace nimbo {

// A list query with its bound values: filters assembled from user fields go in params,
// never into the text.
struct ListQuery {
    QString sql;
    Params params;
};

} // namespace nimbo

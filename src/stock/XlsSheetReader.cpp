#include "stock/XlsSheetReader.h"

#include <QFile>
#include <freexl.h>

namespace nimbo {

QList<QStringList> XlsSheetReader::rows(const QString& path) const
{
    const void* h = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &h) != FREEXL_OK) {
        if (h)
            freexl_close(h);
        fail(path, QStringLiteral("xls dosyası açılamadı"));
    }
    QList<QStringList> out;
    unsigned int nRows = 0;
    unsigned short nCols = 0;
    if (freexl_select_active_worksheet(h, 0) != FREEXL_OK || freexl_worksheet_dimensions(h, &nRows, &nCols) != FREEXL_OK) {
        freexl_close(h);
        fail(path, QStringLiteral("çalışma sayfası yok"));
    }
    for (unsigned int r = 0; r < nRows; ++r) {
        QStringList row;
        for (unsigned short c = 0; c < nCols; ++c) {
            FreeXL_CellValue v;
            QString text;
            if (freexl_get_cell_value(h, r, c, &v) == FREEXL_OK) {
                switch (v.type) {
                case FREEXL_CELL_INT:
                    text = QString::number(v.value.int_value);
                    break;
                case FREEXL_CELL_DOUBLE:
                    text = QString::number(v.value.double_value, 'g', 15);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    text = QString::fromUtf8(v.value.text_value);
                    break;
                default:
                    break;
                }
            }
            row << text.trimmed();
        }
        while (!row.isEmpty() && row.last().isEmpty())
            row.removeLast();
        out << row;
    }
    freexl_close(h);
    return out;
}

} // namespace nimbo

#include "lens/lensitems.h"

namespace vantrel::lens {

QStringList sensorFormatItems() {
    return {QStringLiteral("1 \""), QStringLiteral("2/3 \""), QStringLiteral("1/2 \""),
            QStringLiteral("1/3 \""), QStringLiteral("1/4 \"")};
}

QStringList scaleItems() {
    return {"1", "2", "5", "10", "20", "50", "100", "500"};
}

QStringList widthItems() {
    return {"1",  "2",  "3",   "4",   "5",   "6",   "7",   "8",   "9",   "10", "12", "14",
            "16", "18", "20",  "22",  "25",  "30",  "35",  "40",  "45",  "50", "60", "70",
            "80", "90", "100", "120", "140", "160", "180", "200", "250", "300"};
}

QStringList distanceItems() {
    return widthItems() << QString();
}

QStringList camHeightItems() {
    return {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9", "10",
            "12", "14", "16", "18", "20", "25", "30", "35", "40"};
}

QStringList objHeightItems(QChar decimalSeparator) {
    QStringList items = {"1,5", "1,7", "2",  "2,5", "3",  "4",  "5",  "6", "7",
                         "8",   "9",   "10", "12",  "14", "16", "18", "20"};
    for (QString& item : items)
        item.replace(u',', decimalSeparator);
    return items;
}

} // namespace vantrel::lens

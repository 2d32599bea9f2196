// One entry of a list a row is chosen from: the row's key, its name and the detail shown in
// brackets after the name ("Ad (Açıklama)").
#pragma once

#include <QString>

namespace dukkano {

struct KeyedChoice {
    qint64 key = 0;
    QString name;
    QString detail;  // shown in brackets after the name
};

} // namespace dukkano

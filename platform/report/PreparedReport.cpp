// Looking up prepared texts, for tests and for callers that check what will print.
#include "PreparedReport.h"

#include <algorithm>

namespace dukkano::report {

std::vector<const PreparedText*> PreparedPage::textsOf(const QString& objectName) const
{
    std::vector<const PreparedText*> result;
    for (const PreparedText& t : texts)
        if (t.objectName == objectName)
            result.push_back(&t);
    std::stable_sort(result.begin(), result.end(),
                     [](const PreparedText* a, const PreparedText* b) { return a->rect.top() < b->rect.top(); });
    return result;
}

const PreparedText* PreparedPage::findText(const QString& text) const
{
    for (const PreparedText& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace dukkano::report

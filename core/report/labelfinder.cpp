#include "core/report/labelfinder.h"

LabelFinder::LabelFinder(const QVector<QString> &labels)
    : m_labels(labels)
    , m_isFirst(0x10000, false)
{
    for (int k = 0; k < m_labels.size(); ++k) {
        if (m_labels[k].isEmpty())
            continue;
        const ushort first = m_labels[k].at(0).unicode();
        m_isFirst[first] = true;
        m_byFirst[first].append(k);
    }
}

bool LabelFinder::find(QStringView text, std::vector<bool> &found) const
{
    found.assign(size_t(m_labels.size()), false);
    bool any = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const ushort c = text[i].unicode();
        if (!m_isFirst[c])
            continue;
        const auto bucket = m_byFirst.constFind(c);
        for (const int k : *bucket) {
            if (!found[size_t(k)] && text.mid(i).startsWith(m_labels[k])) {
                found[size_t(k)] = true;
                any = true;
            }
        }
    }
    return any;
}

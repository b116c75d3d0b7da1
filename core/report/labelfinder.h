#ifndef LABELFINDER_H
#define LABELFINDER_H

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVector>
#include <vector>

// Finds which of a fixed set of labels occur in a text, in one pass over the
// text. The result is the same as testing every label with QString::contains;
// the report parsers test some forty labels against every line or text item,
// and a PDF report has tens of thousands of items that hold none of them.
class LabelFinder {
public:
    explicit LabelFinder(const QVector<QString> &labels);

    // found[k] becomes true when labels[k] occurs in text (false otherwise).
    // Returns true when at least one label occurs.
    bool find(QStringView text, std::vector<bool> &found) const;

    int size() const { return m_labels.size(); }

private:
    QVector<QString> m_labels;
    std::vector<bool> m_isFirst; // 65536 flags: a label starts with this character
    QHash<ushort, QVector<int>> m_byFirst;
};

#endif // LABELFINDER_H

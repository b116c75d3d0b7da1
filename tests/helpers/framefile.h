#ifndef FRAMEFILE_H
#define FRAMEFILE_H

// Reads a reference frame of tests/data/frames: lines of a decimal offset
// followed by hex bytes, "#" starting a comment. Every line must begin where
// the previous one ended, so a missing or extra byte shows as a failure
// here rather than as a shifted comparison.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

inline QByteArray readFrameFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = path + ": cannot open";
        return QByteArray();
    }
    QByteArray frame;
    int lineNo = 0;
    while (!file.atEnd()) {
        ++lineNo;
        QString line = QString::fromUtf8(file.readLine());
        line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList tokens = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (tokens.first().toInt() != frame.size()) {
            *error = QString("%1:%2: offset %3, expected %4")
                         .arg(path)
                         .arg(lineNo)
                         .arg(tokens.first())
                         .arg(frame.size());
            return QByteArray();
        }
        for (int i = 1; i < tokens.size(); ++i)
            frame.append(char(tokens.at(i).toUInt(nullptr, 16)));
    }
    return frame;
}

// "offset 42: 0x37 != 0x00" for the first difference, empty when equal.
inline QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    if (actual.size() != expected.size())
        return QString("size %1 != %2").arg(actual.size()).arg(expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (actual.at(i) != expected.at(i))
            return QString("offset %1: 0x%2 != 0x%3")
                .arg(i)
                .arg(quint8(actual.at(i)), 2, 16, QLatin1Char('0'))
                .arg(quint8(expected.at(i)), 2, 16, QLatin1Char('0'));
    }
    return QString();
}

#endif // FRAMEFILE_H

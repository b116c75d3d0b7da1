#ifndef SWITCHBUTTON_H
#define SWITCHBUTTON_H

#include <QWidget>

// An on/off switch: a rounded track with a sliding knob and the text of the
// current state ("textOn" or "textOff") on the free side. A click or the
// space key flips it.
class SwitchButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY checkedChanged)
    Q_PROPERTY(QString textOn READ textOn WRITE setTextOn)
    Q_PROPERTY(QString textOff READ textOff WRITE setTextOff)
public:
    explicit SwitchButton(QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    QString textOn() const { return m_textOn; }
    QString textOff() const { return m_textOff; }
    void setTextOn(const QString &text);
    void setTextOff(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Emits checkedChanged when the state changes.
    void setChecked(bool checked);

signals:
    void checkedChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_checked = false;
    QString m_textOn;
    QString m_textOff;
};

#endif // SWITCHBUTTON_H

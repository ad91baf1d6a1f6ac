#include <QMessageBox>
#include <QPointer>

#include "oru/host.hpp"
#include "oru/qt/panelview.hpp"

namespace oru::qt {

void installMessageBoxes(Host& host, QWidget* parent) {
    QPointer<QWidget> owner(parent);
    host.setMessageHandler([owner](const Message& m) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        if (m.style == kStyleCritical)
            icon = QMessageBox::Critical;
        else if (m.style == kStyleExclamation)
            icon = QMessageBox::Warning;
        QString prompt = QString::fromStdString(m.prompt);
        prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QMessageBox box(icon, QString::fromStdString(m.title), prompt, QMessageBox::Ok,
                        owner.data());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
}

}  // namespace oru::qt

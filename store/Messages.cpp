#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace qh {
namespace {

class MessageBoxSink : public MessageSink {
public:
    MsgResult Show(const QString& text, const QString& caption, MsgIcon icon,
                   MsgButtons buttons) override
    {
        QMessageBox box;
        box.setWindowTitle(caption);
        box.setText(text);
        switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        }
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgResult::Ok;
    }
};

MessageSink*& Installed()
{
    static MessageSink* sink = nullptr;
    return sink;
}

} // namespace

MessageSink& Messages()
{
    static MessageBoxSink real;
    MessageSink* sink = Installed();
    return sink ? *sink : real;
}

void SetMessageSink(MessageSink* sink)
{
    Installed() = sink;
}

RecordedMessages::RecordedMessages()
{
    SetMessageSink(this);
}

RecordedMessages::~RecordedMessages()
{
    if (Installed() == this)
        SetMessageSink(nullptr);
}

MsgResult RecordedMessages::Show(const QString& text, const QString& caption, MsgIcon icon,
                                 MsgButtons buttons)
{
    entries.append({text, caption, icon, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    return answers.isEmpty() ? MsgResult::Yes : answers.takeFirst();
}

QStringList RecordedMessages::Texts() const
{
    QStringList texts;
    for (const Entry& e : entries)
        texts.append(e.text);
    return texts;
}

} // namespace qh

#pragma once
// Every message box of the program goes through this interface, so that
// tests can record the messages and answer the questions instead of
// blocking on a modal box.

#include <QString>
#include <QStringList>

namespace qh {

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MsgResult Show(const QString& text, const QString& caption, MsgIcon icon,
                           MsgButtons buttons) = 0;
};

// The sink in force: real message boxes unless a test installed another.
MessageSink& Messages();

// Installs a sink (not owned); nullptr restores the real message boxes.
void SetMessageSink(MessageSink* sink);

// Records every message and answers questions from a queue (Yes when the
// queue is empty). Installs itself for its lifetime.
class RecordedMessages : public MessageSink {
public:
    struct Entry {
        QString text;
        QString caption;
        MsgIcon icon;
        MsgButtons buttons;
    };

    RecordedMessages();
    ~RecordedMessages() override;

    MsgResult Show(const QString& text, const QString& caption, MsgIcon icon,
                   MsgButtons buttons) override;

    QList<Entry> entries;
    QList<MsgResult> answers;

    QStringList Texts() const;
};

} // namespace qh

#include "import/MessengerAPI_TLB.h"

#include "import/PurpleMessenger.h"

namespace {

QString ShownText(qint32 code, const QString &text)
{
    return text.isEmpty() ? QString::asprintf("OLE error %.8x", quint32(code)) : text;
}

MessengerFactory &Factory()
{
    static MessengerFactory factory;
    return factory;
}

} // namespace

MessengerError::MessengerError(qint32 code, const QString &text)
    : PelmoraError(ShownText(code, text))
    , m_code(code)
    , m_text(text)
{
}

std::unique_ptr<IMessenger> CoMessenger::Create()
{
    return Factory() ? Factory()() : CreatePurpleMessenger();
}

void SetMessengerFactory(MessengerFactory factory)
{
    Factory() = std::move(factory);
}

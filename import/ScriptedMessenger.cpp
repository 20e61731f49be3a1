#include "import/ScriptedMessenger.h"

namespace {

// Counts itself among the script's live objects for as long as it exists.
class ScriptedObject {
public:
    explicit ScriptedObject(MessengerScript &script)
        : m_script(script)
    {
        ++m_script.alive;
    }
    ScriptedObject(const ScriptedObject &) = delete;
    ScriptedObject &operator=(const ScriptedObject &) = delete;
    ~ScriptedObject() { --m_script.alive; }

protected:
    MessengerScript &m_script;
};

class ScriptedMessengerContact : public IMessengerContact, ScriptedObject {
public:
    ScriptedMessengerContact(MessengerScript &script, qint32 index)
        : ScriptedObject(script)
        , m_index(index)
    {
    }
    QString get_FriendlyName() override { return Read(QStringLiteral("get_FriendlyName")).friendlyName; }
    QString get_SigninName() override { return Read(QStringLiteral("get_SigninName")).signinName; }
    QString get_PhoneNumber(MPHONE_TYPE type) override
    {
        const ScriptedContact &contact = Read(QStringLiteral("get_PhoneNumber(%1)").arg(type));
        switch (type) {
        case MPHONE_TYPE_HOME:
            return contact.home;
        case MPHONE_TYPE_WORK:
            return contact.work;
        case MPHONE_TYPE_MOBILE:
            return contact.mobile;
        }
        return QString();
    }

private:
    const ScriptedContact &Read(const QString &operation)
    {
        m_script.Record(QStringLiteral("[%1].%2").arg(m_index).arg(operation));
        return m_script.contacts.at(m_index);
    }

    qint32 m_index;
};

class ScriptedMessengerContacts : public IMessengerContacts, ScriptedObject {
public:
    using ScriptedObject::ScriptedObject;
    qint32 get_Count() override
    {
        m_script.Record(QStringLiteral("get_Count"));
        return qint32(m_script.contacts.size());
    }
    std::unique_ptr<IMessengerContact> Item(qint32 index) override
    {
        m_script.Record(QStringLiteral("Item(%1)").arg(index));
        if (index < 0 || index >= m_script.contacts.size())
            throw MessengerError(MessengerError::Failed, QStringLiteral("No contact at index %1").arg(index));
        return std::make_unique<ScriptedMessengerContact>(m_script, index);
    }
};

class ScriptedMessenger : public IMessenger, ScriptedObject {
public:
    using ScriptedObject::ScriptedObject;
    MISTATUS get_MyStatus() override
    {
        m_script.Record(QStringLiteral("get_MyStatus"));
        return m_script.status;
    }
    std::unique_ptr<IMessengerContacts> get_MyContacts() override
    {
        m_script.Record(QStringLiteral("get_MyContacts"));
        return std::make_unique<ScriptedMessengerContacts>(m_script);
    }
};

} // namespace

std::unique_ptr<IMessenger> MessengerScript::Create()
{
    Record(QStringLiteral("Create"));
    return std::make_unique<ScriptedMessenger>(*this);
}

void MessengerScript::Record(const QString &call)
{
    calls << call;
    if (call == failAt) {
        failAt.clear();
        throw MessengerError(failCode, failText);
    }
}

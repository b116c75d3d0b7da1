#include "core/compliance/csession.h"

#include <limits>

QString CSession::roleName(CRole role)
{
    switch (role) {
    case CRole::Operator:
        return QStringLiteral("operator");
    case CRole::Reviewer:
        return QStringLiteral("reviewer");
    case CRole::Admin:
        break;
    }
    return QStringLiteral("admin");
}

bool CSession::roleFromName(const QString &name, CRole *role)
{
    for (CRole r : { CRole::Operator, CRole::Reviewer, CRole::Admin }) {
        if (name == roleName(r)) {
            *role = r;
            return true;
        }
    }
    return false;
}

QString CSession::roleTitle(CRole role)
{
    switch (role) {
    case CRole::Operator:
        return tr("Operator");
    case CRole::Reviewer:
        return tr("Reviewer");
    case CRole::Admin:
        break;
    }
    return tr("Administrator");
}

bool CSession::roleMay(CRole role, CDuty duty)
{
    switch (duty) {
    case CDuty::ReadLogger:
    case CDuty::ViewRecords:
    case CDuty::Export:
    case CDuty::ConfigureLogger:
    case CDuty::RenameRecord:
        return true;
    case CDuty::SignRecord:
        return role == CRole::Reviewer || role == CRole::Admin;
    case CDuty::DeleteRecord:
    case CDuty::ManageUsers:
    case CDuty::ChangeSettings:
        break;
    }
    return role == CRole::Admin;
}

QString CSession::dutyText(CDuty duty)
{
    switch (duty) {
    case CDuty::ReadLogger:
        return tr("read loggers");
    case CDuty::ViewRecords:
        return tr("open records");
    case CDuty::Export:
        return tr("export records");
    case CDuty::ConfigureLogger:
        return tr("configure loggers");
    case CDuty::RenameRecord:
        return tr("rename records");
    case CDuty::SignRecord:
        return tr("sign records");
    case CDuty::DeleteRecord:
        return tr("delete records");
    case CDuty::ManageUsers:
        return tr("manage users");
    case CDuty::ChangeSettings:
        break;
    }
    return tr("change the compliance settings");
}

qint64 CSession::idleRemainingMs() const
{
    if (!isSignedIn())
        return 0;
    if (m_idleMinutes <= 0 || !m_clock)
        return std::numeric_limits<qint64>::max();
    const qint64 left = qint64(m_idleMinutes) * 60000 - m_lastActivity.msecsTo(m_clock());
    return left > 0 ? left : 0;
}

bool CSession::isIdle() const
{
    return idleRemainingMs() == 0;
}

void CSession::touch()
{
    if (m_clock && !isIdle())
        m_lastActivity = m_clock();
}

#include "cli/compliancegate.h"

#include "core/export/creportsignoff.h"
#include "core/history/chistorylocation.h"
#include "core/history/ctempdbmanager.h"
#include "core/record/appglobals.h"

#include <QFileInfo>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

CCliIdentity &cliIdentity()
{
    static CCliIdentity identity;
    return identity;
}

bool takeIdentity(QStringList &args, QTextStream &err)
{
    for (int i = 0; i < args.size();) {
        const QString &arg = args.at(i);
        if (arg != QLatin1String("--user") && arg != QLatin1String("--reason")) {
            ++i;
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "vesmira-cli: a value is missing after " << arg << '\n';
            return false;
        }
        if (arg == QLatin1String("--user")) {
            cliIdentity().user = args.at(i + 1);
        } else {
            cliIdentity().reason = args.at(i + 1);
            cliIdentity().reasonGiven = true;
        }
        args.erase(args.begin() + i, args.begin() + i + 2);
    }
    return true;
}

QString readSecret(const QString &prompt)
{
    const bool terminal = ::isatty(STDIN_FILENO) == 1;
    termios saved {};
    if (terminal) {
        std::cerr << prompt.toStdString() << std::flush;
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool got = bool(std::getline(std::cin, line));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::cerr << std::endl;
    }
    if (!got)
        return QString();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

std::unique_ptr<CTempDbManager> openExistingHistory()
{
    const CHistoryLocation location = CHistoryLocation::configured();
    if (location.isShared())
        return std::make_unique<CTempDbManager>(location);
    if (location.kind() == CHistoryLocation::Invalid || !QFileInfo::exists(applicationDir + "/db/dravik.db"))
        return nullptr;
    return std::make_unique<CTempDbManager>(CTempDbManager::databasePath(applicationDir));
}

CComplianceGate::~CComplianceGate()
{
    m_password.fill(QLatin1Char(' '));
    if (m_compliance)
        m_compliance->attach(nullptr);
}

int CComplianceGate::enterIfPresent(CTempDbManager *history, CDuty duty, QTextStream &err)
{
    if (history)
        return enter(*history, duty, err);
    if (!cliIdentity().user.isEmpty()) {
        err << "vesmira-cli: compliance mode is off for this history: leave out --user\n";
        return 2;
    }
    return 0;
}

int CComplianceGate::enter(CTempDbManager &history, CDuty duty, QTextStream &err, const QString &signer)
{
    const QString user = signer.isEmpty() ? cliIdentity().user : signer;
    if (!history.isOpen() && !user.isEmpty()) {
        err << "vesmira-cli: cannot sign in: " << history.lastError() << '\n';
        return 1;
    }
    if (!CCompliance::isEnabledIn(history)) {
        if (!user.isEmpty()) {
            err << "vesmira-cli: compliance mode is off for this history: leave out --user\n";
            return 2;
        }
        return 0;
    }
    if (user.isEmpty()) {
        err << "vesmira-cli: compliance mode: sign in with --user\n";
        return 2;
    }
    m_compliance = std::make_unique<CCompliance>(history);
    m_password = readSecret(QStringLiteral("Password for %1: ").arg(user));
    CComplianceResult result = m_compliance->signIn(user, m_password, m_session);
    if (result)
        result = m_compliance->check(m_session, duty);
    if (!result) {
        err << "vesmira-cli: " << result.error << '\n';
        return 1;
    }
    m_compliance->attach(&m_session);
    return 0;
}

CReportSignoff CComplianceGate::signoff(CTempDbManager &history, int id)
{
    CReportSignoff signoff;
    // Outside compliance mode no journal is installed by a second object.
    std::unique_ptr<CCompliance> off = m_compliance ? nullptr : std::make_unique<CCompliance>(history);
    CCompliance &compliance = m_compliance ? *m_compliance : *off;
    for (const CSignatureInfo &s : compliance.signatures(id))
        signoff.signatures.append({ s.printedName, s.signedAtText(), s.meaning, s.comment });
    if (m_compliance) {
        const CAuditEntry head = compliance.auditHead();
        if (head.seq > 0)
            signoff.auditHead = QStringLiteral("entry %1, SHA-256 %2").arg(head.seq).arg(head.hash);
    }
    return signoff;
}

int CComplianceGate::exported(
    int id, const QString &source, const QString &target, QTextStream &out, QTextStream &err)
{
    if (!m_compliance)
        return 0;
    CAuditEntry head;
    const CComplianceResult noted = m_compliance->noteExport(m_session, id, source, target, &head);
    if (!noted) {
        err << "vesmira-cli: " << noted.error << '\n';
        return 1;
    }
    out << "audit trail head: entry " << head.seq << ", SHA-256 " << head.hash << '\n';
    return 0;
}

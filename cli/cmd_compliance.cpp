// vesmira-cli compliance | user: compliance mode of the configured history
// and its accounts. Passwords come from standard input, one a line (on a
// terminal without echo), never from an argument or the environment.
//
//   compliance enable --admin NAME [--name PRINTED]
//                                   on, with NAME as its first administrator
//                                   (input: NAME's password)
//   compliance disable --user ADMIN --reason TEXT
//   compliance idle MINUTES --user ADMIN
//                                   the GUI's idle lock (0: never)
//   compliance status               on or off, idle lock, accounts, trail
//
//   user add NAME --role operator|reviewer|admin [--name PRINTED] --by ADMIN
//                                   input: ADMIN's password, then NAME's
//   user list --user NAME           name, role, printed name, state
//   user disable NAME --by ADMIN [--reason TEXT]
//   user unlock NAME --by ADMIN
//   user passwd NAME [--by ADMIN]   input: the signer's password (NAME's
//                                   own without --by), then the new one
//
// Exit 0 done; 1 refused or failed (the reason on stderr); 2 usage.
#include "cli/commands.h"
#include "cli/compliancegate.h"
#include "core/history/ctempdbmanager.h"

#include <QMap>

namespace {

int complianceUsage(QTextStream &err)
{
    err << "usage: vesmira-cli compliance enable --admin NAME [--name PRINTED]\n"
           "       vesmira-cli compliance disable --user ADMIN --reason TEXT\n"
           "       vesmira-cli compliance idle MINUTES --user ADMIN\n"
           "       vesmira-cli compliance status\n";
    return 2;
}

int userUsage(QTextStream &err)
{
    err << "usage: vesmira-cli user add NAME --role operator|reviewer|admin [--name PRINTED] --by ADMIN\n"
           "       vesmira-cli user list --user NAME\n"
           "       vesmira-cli user disable NAME --by ADMIN [--reason TEXT]\n"
           "       vesmira-cli user unlock NAME --by ADMIN\n"
           "       vesmira-cli user passwd NAME [--by ADMIN]\n";
    return 2;
}

// "--key value" pairs out of args, the rest in *positional; false on an
// option not in known or without its value.
bool options(const QStringList &args, const QStringList &known, QMap<QString, QString> *values,
    QStringList *positional)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            positional->append(arg);
            continue;
        }
        if (!known.contains(arg) || i + 1 >= args.size())
            return false;
        values->insert(arg, args.at(++i));
    }
    return true;
}

int fail(const CComplianceResult &result, QTextStream &err)
{
    if (result)
        return 0;
    err << "vesmira-cli: " << result.error << '\n';
    return 1;
}

int offHere(QTextStream &err)
{
    err << "vesmira-cli: compliance mode is off for this history (vesmira-cli compliance enable)\n";
    return 1;
}

int enable(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QMap<QString, QString> values;
    QStringList positional;
    if (!options(args, { "--admin", "--name" }, &values, &positional) || !positional.isEmpty()
        || !values.contains("--admin") || !cliIdentity().user.isEmpty())
        return complianceUsage(err);
    auto db = openHistory(err);
    if (!db)
        return 1;
    CCompliance compliance(*db);
    const QString admin = values.value("--admin");
    const QString password = readSecret(QStringLiteral("Password for %1: ").arg(admin));
    if (password.isNull()) {
        err << "vesmira-cli: no password on standard input\n";
        return 1;
    }
    if (const int code = fail(compliance.enable(admin, values.value("--name"), password), err))
        return code;
    out << "compliance mode is on for " << db->path() << "; administrator " << admin << '\n';
    return 0;
}

int status(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty())
        return complianceUsage(err);
    const std::unique_ptr<CTempDbManager> db = openExistingHistory();
    if (!db || !db->isOpen() || !CCompliance::isEnabledIn(*db)) {
        out << "compliance mode: off\n";
        return 0;
    }
    CCompliance compliance(*db);
    const CAuditEntry head = compliance.auditHead();
    out << "compliance mode: on\n"
        << "idle lock: " << compliance.idleMinutes() << " minutes\n"
        << "accounts: " << compliance.users().size() << '\n'
        << "audit trail: " << head.seq << " entries, head SHA-256 " << head.hash << '\n'
        << "anchor file: " << compliance.anchorPath() << '\n';
    return 0;
}

} // namespace

int runCompliance(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return complianceUsage(err);
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("enable"))
        return enable(rest, out, err);
    if (command == QLatin1String("status"))
        return status(rest, out, err);
    const bool off = command == QLatin1String("disable");
    const bool idle = command == QLatin1String("idle");
    bool minutesOk = false;
    const int minutes = idle && rest.size() == 1 ? rest.first().toInt(&minutesOk) : 0;
    if ((!off && !idle) || (off && !rest.isEmpty()) || (idle && !minutesOk))
        return complianceUsage(err);
    auto db = openHistory(err);
    if (!db)
        return 1;
    if (!CCompliance::isEnabledIn(*db))
        return offHere(err);
    CComplianceGate gate;
    if (const int code = gate.enter(*db, CDuty::ChangeSettings, err))
        return code;
    if (off) {
        if (const int code = fail(gate.compliance().disable(gate.session(), cliIdentity().reason), err))
            return code;
        out << "compliance mode is off for " << db->path() << '\n';
        return 0;
    }
    return fail(gate.compliance().setIdleMinutes(gate.session(), minutes), err);
}

int runUser(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty())
        return userUsage(err);
    const QString command = args.first();
    QMap<QString, QString> values;
    QStringList positional;
    if (!options(args.mid(1), { "--role", "--name", "--by" }, &values, &positional))
        return userUsage(err);
    const bool list = command == QLatin1String("list");
    if (!QStringList { "add", "list", "disable", "unlock", "passwd" }.contains(command)
        || positional.size() != (list ? 0 : 1)
        || (command == QLatin1String("add")) != values.contains("--role"))
        return userUsage(err);
    CRole role = CRole::Operator;
    if (values.contains("--role") && !CSession::roleFromName(values.value("--role"), &role)) {
        err << "vesmira-cli: --role is operator, reviewer or admin\n";
        return 2;
    }
    const QString name = list ? QString() : positional.first();
    QString signer = values.value("--by", cliIdentity().user);
    if (command == QLatin1String("passwd") && signer.isEmpty())
        signer = name;
    if (signer.isEmpty()) {
        err << "vesmira-cli: compliance mode: sign in with --user\n";
        return 2;
    }

    auto db = openHistory(err);
    if (!db)
        return 1;
    if (!CCompliance::isEnabledIn(*db))
        return offHere(err);
    CComplianceGate gate;
    const CDuty duty = list || command == QLatin1String("passwd") ? CDuty::ViewRecords : CDuty::ManageUsers;
    if (const int code = gate.enter(*db, duty, err, signer))
        return code;
    CCompliance &compliance = gate.compliance();
    if (list) {
        for (const CUserAccount &account : compliance.users()) {
            const QString state = account.disabled ? QStringLiteral("disabled")
                : account.locked                   ? QStringLiteral("locked")
                                                   : QStringLiteral("active");
            out << account.name << '\t' << CSession::roleName(account.role) << '\t' << account.printedName
                << '\t' << state << '\n';
        }
        return 0;
    }
    if (command == QLatin1String("add") || command == QLatin1String("passwd")) {
        const QString password = readSecret(QStringLiteral("New password for %1: ").arg(name));
        if (password.isNull()) {
            err << "vesmira-cli: no password for " << name << " on standard input\n";
            return 1;
        }
        if (command == QLatin1String("add")) {
            if (const int code
                = fail(compliance.addUser(gate.session(), name, values.value("--name"), role, password), err))
                return code;
            out << "user " << name << " added (" << CSession::roleName(role) << ")\n";
            return 0;
        }
        if (const int code = fail(compliance.changePassword(gate.session(), name, password), err))
            return code;
        out << "password of " << name << " changed\n";
        return 0;
    }
    const bool disable = command == QLatin1String("disable");
    if (const int code = fail(disable ? compliance.disableUser(gate.session(), name, cliIdentity().reason)
                                      : compliance.unlockUser(gate.session(), name),
            err))
        return code;
    out << "user " << name << (disable ? " disabled\n" : " unlocked\n");
    return 0;
}

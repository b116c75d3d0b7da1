// Compliance mode on both engines: lockout and unlock, the idle lock on a
// fake clock, exactly one chained entry per audited action, and what the
// verification catches when someone edits the history behind the program's
// back (an entry, a deleted entry, a sample of a signed record, a chain
// rewritten with fresh hashes).
#include "core/compliance/cauditanchors.h"
#include "core/compliance/ccompliance.h"
#include "core/record/crecord.h"
#include "core/report/reportparse.h"
#include "helpers/historyengines.h"
#include "helpers/testfiles.h"

#include <QTemporaryDir>

namespace {

const QString Admin = QStringLiteral("root");
const QString AdminPassword = QStringLiteral("admin-secret");
const QString Reviewer = QStringLiteral("rev");
const QString ReviewerPassword = QStringLiteral("review-secret");

} // namespace

class TestCompliance : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QDateTime m_now;
    std::unique_ptr<CTempDbManager> m_db;
    std::unique_ptr<CCompliance> m_compliance;
    QString m_engine;

    // A fresh history of the engine in compliance mode, with root (admin) and
    // rev (reviewer); cheap password hashes, the fake clock, a fresh anchor file.
    void open(const QString &engine)
    {
        m_compliance.reset();
        m_db.reset();
        m_engine = engine;
        if (engine == QLatin1String("postgres"))
            postgresSql("drop table if exists t_compliance, t_user, t_audit, t_signature");
        QFile::remove(anchorPath());
        m_db = openEngine(engine, m_dir.path());
        QVERIFY(m_db->isOpen());
        m_now = QDateTime(QDate(2025, 5, 20), QTime(9, 0), Qt::OffsetFromUTC, 7200);
        CComplianceOptions options;
        options.clock = [this] { return m_now; };
        options.passwordIterations = 1000;
        options.anchorPath = anchorPath();
        m_compliance = std::make_unique<CCompliance>(*m_db, options);
        QVERIFY(!m_compliance->isEnabled());
        QVERIFY(m_compliance->enable(Admin, QStringLiteral("Rita Root"), AdminPassword));
        CSession admin = signIn(Admin, AdminPassword);
        QVERIFY(m_compliance->addUser(
            admin, Reviewer, QStringLiteral("Ray View"), CRole::Reviewer, ReviewerPassword));
    }

    QString anchorPath() const { return m_dir.filePath("anchors.txt"); }

    CSession signIn(const QString &name, const QString &password)
    {
        CSession session;
        const CComplianceResult result = m_compliance->signIn(name, password, session);
        if (!result)
            qWarning() << result.error;
        return session;
    }

    // A record of a test report stored under session; its id.
    int store(const CSession &session)
    {
        const QString report = m_dir.filePath("en-th.csv");
        QFile::remove(report);
        QFile::copy(VESMIRA_TEST_DATA "/reports/en-th.csv", report);
        CRecord record;
        record.reportPath = report;
        readReport(report, record);
        record.name = QStringLiteral("EH21050014_%1").arg(QDateTime::currentMSecsSinceEpoch());
        m_compliance->attach(&session);
        const bool stored = m_db->storeRecord(record);
        m_compliance->attach(nullptr);
        return stored ? record.id : 0;
    }

    qint64 headSeq() { return m_compliance->auditHead().seq; }

    void sql(const QString &statement)
    {
        const QString result = engineSql(m_engine, statement);
        QVERIFY2(!result.startsWith("error"), qPrintable(result));
    }

    // The triggers out of the way, as an attacker with the database's
    // owner rights would do it.
    void dropTriggers()
    {
        if (m_engine == QLatin1String("postgres")) {
            sql("alter table t_audit disable trigger user");
            sql("alter table t_signature disable trigger user");
        } else {
            for (const char *trigger : { "t_audit_no_update", "t_audit_no_delete", "t_signature_no_update",
                     "t_signature_no_delete" })
                sql(QStringLiteral("drop trigger %1").arg(trigger));
        }
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        m_compliance.reset();
        m_db.reset();
    }

    void lockoutAndUnlock_data() { addEngineRows(); }
    void lockoutAndUnlock()
    {
        QFETCH(QString, engine);
        SKIP_WITHOUT_POSTGRES(engine);
        open(engine);
        CSession session;
        // Four wrong, then the right one: the count starts again.
        for (int i = 0; i < 4; ++i)
            QVERIFY(!m_compliance->signIn(Reviewer, "wrong-password", session));
        QVERIFY(m_compliance->signIn(Reviewer, ReviewerPassword, session));
        const qint64 before = headSeq();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(m_compliance->signIn(Reviewer, "wrong-password", session).error,
                QString("Unknown user or wrong password."));
        const CComplianceResult fifth = m_compliance->signIn(Reviewer, "wrong-password", session);
        QVERIFY(fifth.error.contains("locked"));
        // Each failure one entry, the fifth also the lock.
        QCOMPARE(headSeq(), before + 6);
        QCOMPARE(m_compliance->auditHead().action, QString("account-locked"));
        QVERIFY(!m_compliance->signIn(Reviewer, ReviewerPassword, session));
        QCOMPARE(m_compliance->auditHead().action, QString("sign-in-failed"));
        QVERIFY(!session.isSignedIn());

        CSession admin = signIn(Admin, AdminPassword);
        QVERIFY(!m_compliance->unlockUser(signIn(Admin, "not-the-password"), Reviewer));
        QVERIFY(m_compliance->unlockUser(admin, Reviewer));
        QVERIFY(m_compliance->signIn(Reviewer, ReviewerPassword, session));
        QCOMPARE(session.role(), CRole::Reviewer);
        QCOMPARE(session.printedName(), QString("Ray View"));
        // A reviewer unlocks nobody; an unknown name is only a failure.
        QVERIFY(m_compliance->unlockUser(session, Admin).error.contains("may not manage users"));
        QCOMPARE(m_compliance->signIn("nobody", "whatever-it-is", session).error,
            QString("Unknown user or wrong password."));
        QVERIFY(m_compliance->verify().intact);
    }

    void idleLock()
    {
        open("sqlite");
        CSession admin = signIn(Admin, AdminPassword);
        m_now = m_now.addSecs(14 * 60 + 59);
        QCOMPARE(admin.idleRemainingMs(), 1000);
        m_now = m_now.addSecs(1);
        QVERIFY(admin.isIdle());
        admin.touch(); // too late: only the password brings it back
        QVERIFY(admin.isIdle());

        CSession reviewer = signIn(Reviewer, ReviewerPassword);
        QVERIFY(!m_compliance->setIdleMinutes(reviewer, 5));
        QVERIFY(m_compliance->setIdleMinutes(signIn(Admin, AdminPassword), 5));
        reviewer = signIn(Reviewer, ReviewerPassword);
        m_now = m_now.addSecs(5 * 60);
        QVERIFY(reviewer.isIdle());
        QVERIFY(m_compliance->setIdleMinutes(signIn(Admin, AdminPassword), 0));
        reviewer = signIn(Reviewer, ReviewerPassword);
        m_now = m_now.addDays(3);
        QVERIFY(!reviewer.isIdle());
    }

    // Every action that changes something or matters writes one entry
    // chained to the one before; a refusal writes none.
    void oneEntryPerAction_data() { addEngineRows(); }
    void oneEntryPerAction()
    {
        QFETCH(QString, engine);
        SKIP_WITHOUT_POSTGRES(engine);
        open(engine);
        CCompliance &c = *m_compliance;
        CSession admin = signIn(Admin, AdminPassword);
        CSession reviewer = signIn(Reviewer, ReviewerPassword);
        int id = 0;
        int second = 0;
        const QVector<QPair<QString, std::function<bool()>>> actions {
            { "sign-in", [&] { return signIn(Admin, AdminPassword).isSignedIn(); } },
            { "sign-in-failed", [&] { return !signIn(Admin, "wrong-password").isSignedIn(); } },
            { "read", [&] { return (id = store(reviewer)) != 0; } },
            { "read", [&] { return (second = store(admin)) != 0; } },
            { "reopen", [&] { return bool(c.noteReopen(reviewer, id)); } },
            { "rename", [&] { return bool(c.renameRecord(reviewer, id, "cold room 2", "typo")); } },
            { "export",
                [&] {
                    const QString target = m_dir.filePath("x.pdf");
                    writeFile(target, "%PDF-1.4");
                    return bool(c.noteExport(reviewer, id, QString(), target));
                } },
            { "configure",
                [&] { return bool(c.noteConfiguration(admin, "/media/x", QByteArray(102, '\xff'))); } },
            { "sign",
                [&] { return bool(c.sign(reviewer, id, ReviewerPassword, CMeaning::Approved, "ok")); } },
            { "delete", [&] { return bool(c.deleteRecord(admin, second, "read twice")); } },
            { "user-add",
                [&] { return bool(c.addUser(admin, "op", QString(), CRole::Operator, "operator-1")); } },
            { "user-password", [&] { return bool(c.changePassword(admin, "op", "operator-2")); } },
            { "user-unlock", [&] { return bool(c.unlockUser(admin, "op")); } },
            { "user-disable", [&] { return bool(c.disableUser(admin, "op", "left")); } },
            { "setting", [&] { return bool(c.setIdleMinutes(admin, 10)); } },
            { "sign-out",
                [&] {
                    CSession s = signIn(Reviewer, ReviewerPassword);
                    c.signOut(s);
                    return !s.isSignedIn();
                } },
        };
        for (const auto &action : actions) {
            const CAuditEntry before = c.auditHead();
            QVERIFY2(action.second(), qPrintable(action.first));
            const CAuditEntry head = c.auditHead();
            // sign-in and sign-out: the sign-in of the helper comes first.
            const qint64 expected = action.first == "sign-out" ? 2 : 1;
            QCOMPARE(head.seq, before.seq + expected);
            QCOMPARE(head.action, action.first);
            QCOMPARE(c.auditEntries({}).at(int(head.seq - expected - 1)).hash, before.hash);
        }
        const CAuditEntry sign = c.auditEntries({ id, {}, "sign", {}, {} }).value(0);
        QCOMPARE(sign.utc, QString("2025-05-20T07:00:00.000Z"));
        QVERIFY(sign.zone.startsWith("UTC+02:00"));
        QCOMPARE(sign.user, Reviewer);
        QCOMPARE(c.auditEntries({ 0, {}, "rename", {}, {} }).value(0).reason, QString("typo"));

        // Refusals: nothing written, nothing changed.
        const qint64 before = headSeq();
        QVERIFY(c.renameRecord(admin, id, "x", "y").error.contains("signed"));
        QVERIFY(c.deleteRecord(reviewer, id, "y").error.contains("may not delete records"));
        QVERIFY(!c.deleteRecord(admin, id, " "));
        QVERIFY(!c.sign(reviewer, id, "wrong-password", CMeaning::Reviewed, QString()));
        const qint64 failedSign = headSeq(); // the wrong password is a failure of its own
        QCOMPARE(failedSign, before + 1);
        // Nobody attached: the history refuses to store or rename unseen.
        QVERIFY(!m_db->UpdateRecordName("unseen", id));
        QCOMPARE(m_db->recordName(id), QString("cold room 2"));
        QCOMPARE(headSeq(), failedSign);
        QCOMPARE(c.verify().summary(),
            QString("%1 entries, chain intact, 1 signed records unchanged").arg(failedSign));
    }

    // What verify finds after the history was edited behind the program's back.
    void verifyCatches_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("problem");
        const char *const attacks[][3] = {
            { "edited entry", "edit", "audit entry 3 was changed: its hash does not match its content" },
            { "deleted entry", "delete", "audit entry 3 is missing (the trail goes on with entry 4)" },
            { "last entries deleted", "truncate", "audit entry 7 is missing: the anchor file noted entry 8" },
            { "edited sample", "sample", "record 1 no longer matches its signature (audit entry 6 by rev)" },
            { "rewritten chain", "rewrite",
                "audit entry 6 differs from the anchor file: the chain was rewritten" },
            { "deleted signature", "signature",
                "the signature of record 1 by rev (audit entry 6) is missing" },
        };
        for (const char *engine : { "sqlite", "postgres" }) {
            for (const auto &a : attacks)
                QTest::newRow(qPrintable(QString("%1 %2").arg(engine, a[0]))) << engine << a[1] << a[2];
        }
    }
    void verifyCatches()
    {
        QFETCH(QString, engine);
        QFETCH(QString, attack);
        QFETCH(QString, problem);
        SKIP_WITHOUT_POSTGRES(engine);
        open(engine); // entries 1-3: on, sign-in, user-add
        CSession reviewer = signIn(Reviewer, ReviewerPassword); // 4
        const int id = store(reviewer); // 5
        QCOMPARE(id, 1);
        QVERIFY(
            m_compliance->sign(reviewer, id, ReviewerPassword, CMeaning::Approved, QString())); // 6, anchored
        QVERIFY(m_compliance->noteReopen(reviewer, id)); // 7
        writeFile(m_dir.filePath("x.csv"), "x");
        QVERIFY(m_compliance->noteExport(reviewer, id, QString(), m_dir.filePath("x.csv"))); // 8, anchored
        QCOMPARE(
            m_compliance->verify().summary(), QString("8 entries, chain intact, 1 signed records unchanged"));
        QCOMPARE(CAuditAnchors::read(anchorPath(), m_compliance->historyId()).size(), 3);
        // The triggers stand in the way of the program's own connection.
        for (const char *statement :
            { "update t_audit set reason = 'x' where seq = 3", "delete from t_audit where seq = 8",
                "update t_signature set comment = 'x'", "delete from t_signature" })
            QVERIFY2(!QSqlQuery(m_db->connection()).exec(statement), statement);
        QCOMPARE(m_compliance->auditHead().seq, 8);

        m_compliance.reset();
        dropTriggers();
        if (attack == "edit") {
            sql("update t_audit set details = 'sign-in of nobody' where seq = 3");
        } else if (attack == "delete") {
            sql("delete from t_audit where seq = 3");
        } else if (attack == "truncate") {
            sql("delete from t_audit where seq >= 7");
        } else if (attack == "sample") {
            sql("update t_record_data set temp = '4.5' where id = (select min(id) from t_record_data)");
        } else if (attack == "signature") {
            sql("delete from t_signature");
        } else if (attack == "rewrite") {
            // Entry 4 says another user, and every hash from there on is
            // computed again: the chain holds together, the anchors do not.
            CComplianceOptions options;
            CCompliance reader(*m_db, options);
            QVector<CAuditEntry> all = reader.auditEntries();
            all[3].user = "nobody";
            for (int i = 3; i < all.size(); ++i) {
                all[i].previousHash = all.at(i - 1).hash;
                all[i].hash = CAuditEntry::chainHash(all.at(i).previousHash, all.at(i));
                sql(QStringLiteral(
                    "update t_audit set userName = '%1', previousHash = '%2', hash = '%3' where seq = %4")
                        .arg(all.at(i).user, all.at(i).previousHash, all.at(i).hash)
                        .arg(all.at(i).seq));
            }
            // Without the anchors it passes for intact.
            QVERIFY(reader.verify(m_dir.filePath("no-anchors.txt")).intact);
        }
        CComplianceOptions options;
        options.anchorPath = anchorPath();
        CCompliance verifier(*m_db, options);
        const CCompliance::Verification result = verifier.verify();
        QVERIFY(!result.intact);
        QVERIFY2(result.problem.startsWith(problem), qPrintable(result.problem));
        if (attack == "sample") {
            // Changed content is not signed over.
            CSession again;
            QVERIFY(verifier.signIn(Reviewer, ReviewerPassword, again));
            QVERIFY(verifier.sign(again, id, ReviewerPassword, CMeaning::Approved, QString())
                        .error.contains("changed since it was signed"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCompliance)
#include "tst_compliance.moc"

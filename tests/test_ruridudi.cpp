#include "core/ruridudi.h"

#include <QtTest>

class TestRuriDudi : public QObject {
    Q_OBJECT
private slots:
    void constructorFields();
    void copiesAreIndependent();
    void currentUserHoldsItsOwnCopy();
};

namespace {
RuriDudi sample() {
    return RuriDudi("12345", "an@x.vn", "sess-1", "mật khẩu", 3, 1800.0);
}
} // namespace

void TestRuriDudi::constructorFields() {
    const RuriDudi r = sample();
    QCOMPARE(r.getUserId(), QString("12345"));
    QCOMPARE(r.getEmail(), QString("an@x.vn"));
    QCOMPARE(r.getSessionId(), QString("sess-1"));
    QCOMPARE(r.getPassword(), QString("mật khẩu"));
    QCOMPARE(r.getLevel(), 3);
    QCOMPARE(r.getValue1(), 0.0);
    QCOMPARE(r.getValue2(), 1800.0);
    QCOMPARE(r.getValue3(), 0.0);
}

void TestRuriDudi::copiesAreIndependent() {
    RuriDudi source = sample();
    source.setValue1(4.5);
    RuriDudi copy(source);
    QCOMPARE(copy.getUserId(), source.getUserId());
    QCOMPARE(copy.getSessionId(), source.getSessionId());
    QCOMPARE(copy.getValue1(), 4.5);
    QCOMPARE(copy.getValue2(), 1800.0);

    copy.setEmail("other@x.vn");
    copy.setLevel(5);
    QCOMPARE(source.getEmail(), QString("an@x.vn"));
    QCOMPARE(source.getLevel(), 3);

    RuriDudi assigned("", "", "", "", 0, 0);
    assigned = copy;
    QCOMPARE(assigned.getEmail(), QString("other@x.vn"));
    QCOMPARE(assigned.getPassword(), QString("mật khẩu"));
    assigned = assigned; // self-assignment keeps the record
    QCOMPARE(assigned.getLevel(), 5);
}

// The login hands over a record; the main window keeps a copy of its own.
void TestRuriDudi::currentUserHoldsItsOwnCopy() {
    QVERIFY(currentUser == nullptr);
    {
        RuriDudi handedOver("7", "e@x.vn", "s", "pw", 0, 1800.0);
        currentUser = new RuriDudi(handedOver);
        handedOver.setPassword("changed");
    }
    QCOMPARE(currentUser->getPassword(), QString("pw"));
    currentUser->setLevel(4);
    QCOMPARE(currentUser->getLevel(), 4);
    QCOMPARE(currentUser->getEmail(), QString("e@x.vn"));
    QCOMPARE(currentUser->getUserId(), QString("7"));
    delete currentUser;
    currentUser = nullptr;
}

QTEST_GUILESS_MAIN(TestRuriDudi)
#include "test_ruridudi.moc"

#include "Dictionary.h"

#include <QTest>

using velmora::Dictionary;

class TestDictionary : public QObject
{
    Q_OBJECT
private slots:
    void smoke()
    {
        const auto d = Dictionary::fromBytes("a\nbb,cc\r\ndd");
        QCOMPARE(d.TotalWords(), 4);
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "tst_dictionary.moc"

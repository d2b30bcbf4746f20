#include "GameDoubles.h"

#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestGame : public QObject
{
    Q_OBJECT
private slots:
    void smoke()
    {
        GameRig rig;
        rig.useDictionary("apple\n");
        rig.state().DifficultyLevel = 5;
        rig.game.NewGame();
        QCOMPARE(rig.display.text(TextField::TheWord), QStringLiteral("_ _ _ _ _ "));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"

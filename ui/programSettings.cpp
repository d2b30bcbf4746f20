#include "programSettings.h"

#include "AccessibleRoles.h"
#include "AppIdentity.h"
#include "CaptionButton.h"
#include "CaptionFrame.h"
#include "OptionButton.h"
#include "PlainLabel.h"
#include "Texts.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QLineEdit>

namespace velmora {
namespace {

QString optionName(int index)
{
    return QStringLiteral("Difficulty%1").arg(index);
}

// Where every control sits, in twips.
const QList<TwipsRect> &layoutTable()
{
    static const QList<TwipsRect> table = [] {
        QList<TwipsRect> rows = {
            {QStringLiteral("Frame1"), 120, 120, 4935, 3975},
            {QStringLiteral("ChangeDiff"), 120, 3240, 4575, 495},
            {QStringLiteral("Frame2"), 120, 4200, 4935, 1695},
            {QStringLiteral("Label1"), 120, 240, 4695, 615},
            {QStringLiteral("Text1"), 120, 840, 2655, 615},
            {QStringLiteral("LoadTheDictionary"), 2880, 840, 1815, 615},
        };
        // Two columns of eight options: 2..9 on the left, 10..17 on the right.
        for (int index = programSettings::FirstOption; index <= programSettings::LastOption; ++index) {
            const int row = (index - programSettings::FirstOption) % 8;
            const bool right = index >= 10;
            rows.append({optionName(index), right ? 2640 : 120, 240 + 360 * row, index >= 16 ? 2175 : 1215, 375});
        }
        return rows;
    }();
    return table;
}

constexpr QSize ClientSize(346, 400);

} // namespace

programSettings::programSettings()
{
    useAccessibleRoles();
    setObjectName(QStringLiteral("programSettings"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::SettingsTitle);
    setWindowIcon(appIcon());
    setFont(sansFont(BaseFontPoints));
    setFixedSize(ClientSize);

    auto *difficultyFrame = new CaptionFrame(QStringLiteral("Frame1"),
                                             texts::DifficultyCaption, font(), this);
    m_difficulty = new QButtonGroup(this);
    m_difficulty->setObjectName(QStringLiteral("DifficultyGroup"));
    m_difficulty->setExclusive(true);
    QList<QWidget *> tabOrder;
    for (int index = FirstOption; index <= LastOption; ++index) {
        auto *option = new OptionButton(optionName(index), texts::optionCaption(index), difficultyFrame);
        m_difficulty->addButton(option, index);
        tabOrder.append(option);
    }
    auto *changeDiff = new CaptionButton(QStringLiteral("ChangeDiff"),
                                         texts::ChangeDiffCaption,
                                         difficultyFrame);

    auto *dictionaryFrame = new CaptionFrame(QStringLiteral("Frame2"), texts::DictionaryCaption,
                                             font(), this);
    auto *help = new PlainLabel(QStringLiteral("Label1"), Qt::AlignLeft, dictionaryFrame);
    help->setFullText(texts::DictionaryHelp);
    m_dictionaryName = new QLineEdit(texts::DefaultDictionaryName, dictionaryFrame);
    m_dictionaryName->setObjectName(QStringLiteral("Text1"));
    m_dictionaryName->setFont(sansFont(13.5));
    m_dictionaryName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_dictionaryName->setAccessibleName(texts::DictionaryNameSpoken);
    auto *load = new CaptionButton(QStringLiteral("LoadTheDictionary"), texts::LoadCaption,
                                   dictionaryFrame);
    load->setFont(sansFont(9.75));

    placeControls(*this, layoutTable());

    tabOrder << m_dictionaryName << load << changeDiff;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    connect(changeDiff, &QPushButton::clicked, this, [this] { emit changeDifficultyClicked(selectedLevel()); });
    connect(load, &QPushButton::clicked, this, [this] { emit loadDictionaryClicked(m_dictionaryName->text()); });
}

std::optional<qint16> programSettings::selectedLevel() const
{
    const int id = m_difficulty->checkedId();
    if (id < FirstOption)
        return std::nullopt;
    return qint16(id);
}

} // namespace velmora

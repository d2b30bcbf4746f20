#pragma once

#include <QWidget>

#include <optional>

class QButtonGroup;
class QLineEdit;

namespace velmora {

// The settings window: the difficulty (the number of letters of the next entries) and the
// dictionary to load. It holds no game rules; it reports its two button clicks.
//
// The sixteen difficulty options are the radio buttons "Difficulty2" .. "Difficulty17", in a
// button group whose id of each option is its difficulty code.
class programSettings final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FirstOption = 2;
    static constexpr int LastOption = 17;

    programSettings();

    // The code of the checked option; none is checked until the player picks one.
    std::optional<qint16> selectedLevel() const;

signals:
    void changeDifficultyClicked(std::optional<qint16> selectedLevel);
    void loadDictionaryClicked(const QString &typedName);

private:
    QButtonGroup *m_difficulty = nullptr;
    QLineEdit *m_dictionaryName = nullptr;
};

} // namespace velmora

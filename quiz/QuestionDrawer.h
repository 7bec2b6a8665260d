#pragma once

#include <QString>

#include <array>
#include <optional>

struct QuizState;
class RandomNumbers;

// What the question panel shows for one question.
struct QuestionCaptions
{
    QString firstNumber;
    QString secondNumber;
    std::array<QString, 3> answers;
};

// Draws the next question from the pool: never the one just shown while
// another is left, three distinct positive wrong answers near the product,
// and the product on a button chosen at random.
class QuestionDrawer
{
public:
    explicit QuestionDrawer(RandomNumbers &random);

    // Updates the state's question fields and pool. Nothing when the pool is
    // empty: there is no question left to show.
    std::optional<QuestionCaptions> drawNext(QuizState &state);

private:
    qint16 drawWrongAnswer(qint16 answer);
    qint16 drawPoolIndex(const QuizState &state);

    RandomNumbers &m_random;
};

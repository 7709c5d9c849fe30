#include "core/editor/expired_walk.h"

#include "core/editor/expiry.h"
#include "core/editor/question_texts.h"

namespace notavi {

std::string expiredQuestion(BlockKind block, std::string_view line)
{
    std::string question;
    if (block == BlockKind::OneTime)
        question = "Soll der einmalige Termin\r\r";
    else if (block == BlockKind::SchoolHolidays)
        question = "Soll der Ferientermin\r\r";
    else
        question = "Soll im Terminblock " + std::string(questionBlockName(block)) +
                   " der Termin (mit Terminzeitraum)\r\r";
    question.append(questionExcerpt(line));
    question.append("\r\rgel\xF6scht werden?");
    return question;
}

ExpiredWalk::ExpiredWalk(const Lines& text, DayNumber limitDay, bool automatic)
    : m_text(text), m_limitDay(limitDay), m_automatic(automatic)
{
}

std::optional<ExpiredLine> ExpiredWalk::next()
{
    m_answers.forgetPending();
    while (!m_answers.cancelled() && m_position < m_text.size()) {
        const std::string& line = m_text[m_position++];
        if (m_blocks.step(line) || !m_blocks.block())
            continue;
        const BlockKind block = *m_blocks.block();
        if (!isExpired(block, line, m_limitDay))
            continue;
        m_foundAny = true;
        m_answers.awaitAnswer();
        const bool ask = !m_automatic && m_answers.asking();
        return ExpiredLine{m_position - 1 - m_deleted, block, ask ? expiredQuestion(block, line) : "", ask};
    }
    return std::nullopt;
}

bool ExpiredWalk::answer(WalkAnswer answer)
{
    const bool deleted = m_answers.take(answer);
    if (deleted)
        ++m_deleted;
    return deleted;
}

AutomaticDeletion deleteExpiredLines(const Lines& text, DayNumber today, int ageLimit)
{
    AutomaticDeletion result;
    ExpiredWalk walk(text, automaticLimitDay(today, ageLimit), true);
    while (const std::optional<ExpiredLine> expired = walk.next()) {
        result.deleted.push_back(expired->line + result.deleted.size());
        walk.answer(WalkAnswer::Yes);
    }
    result.text.reserve(text.size() - result.deleted.size());
    std::size_t nextDeleted = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (nextDeleted < result.deleted.size() && result.deleted[nextDeleted] == i)
            ++nextDeleted;
        else
            result.text.push_back(text[i]);
    }
    return result;
}

} // namespace notavi

#include "core/editor/reactivation_walk.h"

#include "core/editor/question_texts.h"

namespace notavi {
namespace {

std::string reactivationQuestion(BlockKind block, std::string_view line)
{
    std::string question =
        "Soll der im Terminblock " + std::string(questionBlockName(block)) + " deaktivierte Termin\r\r";
    question.append(questionExcerpt(line));
    question.append("\r\rwieder aktiviert werden?");
    return question;
}

std::string outsideBlockWarning(std::string_view line, std::size_t index)
{
    std::string warning(line);
    warning.append(
        "\rbefindet sich au\xDF"
        "erhalb eines g\xFCltigen Terminblocks!\r\rBitte korrigieren Sie diese Zeile (Zeilen-Nr. ");
    warning.append(std::to_string(index + 1));
    warning.append(") in der Datei NOTAVI.DAT\r(Abbrechen unterdr\xFC"
                   "ckt die Ausgabe weiterer Fehler.)");
    return warning;
}

} // namespace

ReactivationWalk::ReactivationWalk(const Lines& text) : m_text(text) {}

std::optional<DeactivatedLine> ReactivationWalk::next()
{
    m_answers.forgetPending();
    while (!m_answers.cancelled() && m_position < m_text.size()) {
        const std::size_t index = m_position++;
        const std::string& line = m_text[index];
        if (m_blocks.step(line) || line.empty() || line[0] != '~')
            continue;
        if (!m_blocks.block()) {
            if (!m_warnings)
                continue;
            return DeactivatedLine{
                index, DeactivatedLine::Kind::Warning, outsideBlockWarning(line, index), true, {}};
        }
        m_foundAny = true;
        m_answers.awaitAnswer();
        const bool ask = m_answers.asking();
        return DeactivatedLine{index, DeactivatedLine::Kind::Question,
                               ask ? reactivationQuestion(*m_blocks.block(), line) : "", ask, line.substr(1)};
    }
    return std::nullopt;
}

bool ReactivationWalk::answer(WalkAnswer answer)
{
    return m_answers.take(answer);
}

} // namespace notavi

#include "rules/HowToPlay.h"

#include "resources/resource.h"

RuleLines ComposeRuleLines(const GameSettingsRecord& settings) {
    RuleLines lines{};
    const bool scoresWords = settings.ScoreValidWords != 0;
    const bool scoresFakes = settings.ScoreBogusWords != 0;
    // A game that scores neither button has nothing to say about them.
    if (scoresWords || scoresFakes) {
        lines[0].TextId = scoresWords ? IDS_RULE_ZAP_WORDS : IDS_RULE_IGNORE_WORDS;
        lines[1].TextId = scoresFakes ? IDS_RULE_ELIMINATE_FAKES : IDS_RULE_IGNORE_FAKES;
    }

    const std::int32_t condition = settings.EndGameCondition;
    if ((condition & EndOnTime) != 0) {
        lines[2].TextId = IDS_GOAL_TIME_LIMIT;
        lines[3] = {IDS_END_TIME_LIMIT, settings.TimeLimit};
        lines[4].TextId = settings.PenalizeMistakes != 0 ? IDS_MISTAKES_COST_TIME : 0;
    } else if ((condition & EndOnTarget) != 0) {
        lines[2].TextId = IDS_GOAL_TARGET;
        lines[3] = {IDS_END_TARGET, settings.TargetCount};
        lines[4].TextId = settings.PenalizeMistakes != 0 ? IDS_MISTAKES_COST_COUNT : 0;
    } else {
        if ((condition & EndOnNoRoom) != 0) {
            lines[2].TextId = IDS_GOAL_NO_ROOM;
            lines[3].TextId = IDS_END_NO_ROOM;
        } else {
            lines[3].TextId = IDS_END_NEVER;
        }
        // Without a clock or a count, a mistake costs room: it stays on the field unless it expires.
        lines[4].TextId = settings.ExpireMistakes == 0 ? IDS_MISTAKES_STAY : 0;
    }

    lines[5].TextId = IDS_RULE_MORE_OPTIONS;
    return lines;
}

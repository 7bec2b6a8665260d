#!/usr/bin/env bash
# Checks that the tests catch the faults they are there for: applies each
# mutation below alone to a copy of the committed tree (in build/mutations),
# rebuilds, runs the tests named beside it and prints whether any failed.
# Every mutation must be caught; one that no longer applies is reported as
# stale, so that the list stays in step with the code. Run it after
# scripts/test.sh has installed what the tests need:
#   scripts/mutations.sh [NAME-PATTERN]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work="$root/build/mutations"
only=${1:-}
rm -rf "$work/src" && mkdir -p "$work/src"
git -C "$root" archive HEAD | tar -x -C "$work/src"
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build "$work/build" --parallel "$(nproc)" >/dev/null || { echo "the unchanged tree does not build"; exit 2; }
source "$root/scripts/sound-server.sh"
tabulon_start_sound_server
trap tabulon_stop_sound_server EXIT

uncaught=0
# name <TAB> file <TAB> perl substitution (whole file, -0) <TAB> tests (ctest -R)
while IFS=$'\t' read -r name file change tests; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    [[ -n "$only" && "$name" != *$only* ]] && continue
    target="$work/src/$file"
    cp "$target" "$target.orig"
    perl -0pi -e "$change" "$target"
    if cmp -s "$target" "$target.orig"; then
        result="STALE: the change no longer applies"
    elif ! cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1; then
        result="STALE: does not build"
    else
        failed=$(ctest --test-dir "$work/build" -R "$tests" 2>&1 | sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (.*)$/\1/p' | paste -sd, -)
        result=${failed:+caught by $failed}
        result=${result:-NOT CAUGHT}
    fi
    mv "$target.orig" "$target"
    touch "$target" # newer than the mutant's build, so that the next build undoes it
    [[ "$result" == caught* ]] || uncaught=$((uncaught + 1))
    printf '| %s | %s |\n' "$name" "$result"
done <<'MUTATIONS'
pool off by one	quiz/QuestionList.cpp	s/m <= HighestMultiplier/m < HighestMultiplier/	tst_questions
immediate repeat allowed	quiz/QuestionDrawer.cpp	s/if \(state.colQuestions.at\(index - 1\) != previous \|\| count <= 1\)/if (true)/	tst_questions
wrong answers not distinct	quiz/QuestionDrawer.cpp	s/ \|\| state.intWrong2 == state.intWrong1\)/)/	tst_questions
no overflow check	platform/CheckedInt16.cpp	s/throw RuntimeError\(RuntimeErrorCode::Overflow\);/;/	tst_platform
half-away rounding	platform/NumberText.cpp	s/std::nearbyint\(value\)/std::round(value)/	tst_platform|tst_highscores
wall clock instead of monotonic	platform/Clock.cpp	s/steady_clock/system_clock/	tst_platform
penalty not applied	quiz/QuizSession.cpp	s/m_state.dtStartTime -= PenaltySeconds;//	tst_questions|tst_mainwindow$
listing with one tab for tables 2 to 9	scores/HighScoreListing.cpp	s/u"\\t\\t"_s/u"\\t"_s/	tst_highscores|tst_mainwindow$
rich text in a dialog	app/StandardDialogs.cpp	s/setTextFormat\(Qt::PlainText\)/setTextFormat(Qt::AutoText)/g	tst_titles
sound not waited for	media/sound/SoundPlayer.cpp	s/        waitUntilFinished\(\);/        ;/	tst_sound
input not blocked during the sound	media/sound/SoundPlayer.cpp	s/const UserInputBlocker blocker;//	tst_sound
About not modal	app/StandardDialogs.cpp	s/m_about->exec\(\);/m_about->show();/	tst_titles
a picture failure ending the game	media/FeedbackPicture.cpp	s/return \{\};/throw std::runtime_error("no picture");/	tst_reliability
a failed save shown as nothing	app/frmMultiiplication.cpp	s/    case HighScoreReport::Kind::Failure:\n.*?return;\n//s	tst_titles
a failed save shown as the listing	scores/HighScoreCheck.cpp	s/if \(recorded.result == HighScoreBook::Recorded::Result::Failed\)/if (false)/	tst_mainwindow$|tst_highscores
an equal best titled as a new one	scores/HighScoreCheck.cpp	s/tr\("You have equaled with the High score"\)/tr("You have created a new High score")/	tst_titles|tst_highscores
a cancelled name stored	scores/HighScoreCheck.cpp	s/ \|\| name.isEmpty\(\)//	tst_highscores
a name asked for when no best	scores/HighScoreCheck.cpp	s/case Verdict::NotBest:\n        break;/case Verdict::NotBest:\n        return NamePrompt{};/	tst_mainwindow$
display name set again	platform/toolkit/Application.cpp	s/(    setApplicationName\()/    setApplicationDisplayName(Product::name());\n$1/	tst_titles
a timer made per answer	app/frmMultiiplication.cpp	s/(    const AnswerOutcome outcome = )/    new QTimer(this);\n$1/	tst_reliability
a wrong answer not announced	app/QuizAnnouncer.cpp	s/    if \(outcome == AnswerOutcome::Wrong\)\n        announce\(status\);\n//	tst_orca_quiz$
the focused answer's question not renewed	app/QuizAnnouncer.cpp	s/    describe\(QApplication::focusWidget\(\)\);\n//	tst_orca_quiz$
key 0 without the question	app/QuizAnnouncer.cpp	s/\(QStringList\(m_question\) \+ counterTexts\(counters\)\)/counterTexts(counters)/	tst_orca_quiz$
keys by Qt's key code alone, as before	platform/toolkit/AnswerKey.cpp	s/(std::optional<int> digit\(const QKeyEvent &event, const QString &platform\)\n\{\n)/$1    if (event.modifiers() & ~Qt::KeypadModifier) return std::nullopt;\n    return digitOfKey(event);\n/	tst_keys|tst_mainwindow_keys
Ctrl answering	platform/toolkit/AnswerKey.cpp	s/Qt::ControlModifier \| //	tst_keys|tst_mainwindow_keys
store written in place	scores/SettingsStore.cpp	s/QSaveFile file\(path\);/QFile file(path);/; s/file\.commit\(\)/file.flush()/	tst_highscores
no lock	scores/SettingsStore.cpp	s/if \(!lockWithin\(lock, LockWaitMs\)\)/if (false)/	tst_highscores
a damaged store replaced without its copy	scores/SettingsStore.cpp	s/if \(old\.damaged && !keepCopy\(copyName, old\.text, error\)\)/if (false)/	tst_highscores
controls not mirrored right to left	platform/toolkit/Mirroring.cpp	s/(void mirrorPlacedControls\(QWidget \*window\)\n\{\n)/$1    return;\n/	tst_mainwindow$
the how-to text aligned left right to left	platform/toolkit/Mirroring.cpp	s/option\.setAlignment\(Qt::AlignRight\);//	tst_mainwindow$
a name in the listing not isolated	scores/HighScoreListing.cpp	s/QLocale\(\)\.textDirection\(\) == Qt::RightToLeft \?/false ?/	tst_mainwindow$
Japanese drawn in a face the game did not choose	platform/toolkit/Fonts.cpp	s/return u"VL Gothic"_s;/return u"Liberation Serif"_s;/	tst_mainwindow$
dialog buttons in English where Qt lacks them	platform/Translations.cpp	s/if \(m_qtExtra\.load/if (false \&\& m_qtExtra.load/	tst_mainwindow$
a text left untranslated	translations/tabulon_de.ts	s/<translation>&amp;Stopp<\/translation>/<translation type="unfinished"><\/translation>/	tst_mainwindow$|translations_current
MUTATIONS
echo "$uncaught not caught or stale"
[ "$uncaught" -eq 0 ]

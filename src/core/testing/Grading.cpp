#include "core/testing/Grading.h"

#include "core/common/NumberForm.h"

#include <cmath>

int gradeFor(int correct, int asked)
{
    if (asked <= 0)
        return 2;
    // c * 5 / n keeps the exact halves (2.5, 3.5, 4.5) exact, so the
    // halves-to-even rounding meets the boundaries as the scale states them.
    const double x = correct * 5.0 / asked;
    const int grade = static_cast<int>(std::nearbyint(x));
    return qBound(2, grade, 5);
}

QString percentText(int correct, int asked)
{
    if (asked <= 0)
        return QStringLiteral("0");
    const double tenths = std::round(correct * 1000.0 / asked); // half away from zero
    const float percent = static_cast<float>(tenths / 10.0);
    return QString::number(percent, 'g', 7);
}

MarkLook markLook(int grade)
{
    switch (grade) {
    case 2:
        return {QStringLiteral("неуд."), std::nullopt,
                QStringLiteral("По результатам теста вы показали отвратительные знания. Ну да не отчаивайтесь, учебник для "
                               "того и нужен чтоб учиться... Так что жмите снова на кнопку ''учиться''."),
                MarkSound::Laugh};
    case 3:
        return {QStringLiteral("удовл."), 0xC04000u,
                QStringLiteral("По результатам теста вы показали поверхностные знания. Давайте-ка еще немного почитаем "
                               "учебник, особенно те темы на вопросы которых вы затруднялись ответить. Восполняйте "
                               "пробелы."),
                MarkSound::None};
    case 4:
        return {QStringLiteral("хорошо"), 0xC0C000u,
                QStringLiteral("Ну чтож не плохо, не плохо! Но не обольщайтесь, ни какой тест не даст абсолютно точной "
                               "оценки знаний. Поэтому перед экзаменом пройдитесь по наиболее сложным для вас темам."),
                MarkSound::Applause};
    case 5:
        return {QStringLiteral("отлично"), 0x008000u,
                QStringLiteral("Вау!... Отлично! Поздравляю, поздравляю! Но не задирайте нос, тест это одно дело, а тот "
                               "кто будет принимать у вас экзамен другое."),
                MarkSound::Applause};
    default:
        return {};
    }
}

QString markWord(const QString& scoreText)
{
    return markLook(static_cast<int>(numberform::readWhole(scoreText))).word;
}

QString timeSpentText(int elapsedSeconds)
{
    return QString::number(elapsedSeconds / 60) + QStringLiteral(" мин");
}

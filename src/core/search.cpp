#include "search.h"

#include "platform.h"
#include "texts.h"

#include <QCoreApplication>

QString frameCaptionFor(ProfileSlot slot, const QString& signName) {
    if (slot == ProfileSlot::First) {
        //: Caption of the first sign's panel on a cusp; %1 is the sign's name
        return QCoreApplication::translate("Search", "Characteristics of %1").arg(signName);
    }
    //: Caption of the second sign's panel on a cusp; %1 is the sign's name. The English
    //: has two blanks before it; a translation may have one.
    return QCoreApplication::translate("Search", "Characteristics of  %1").arg(signName);
}

void AssembleResult(ResultModel& result, const CuspResolution& resolution, Platform& platform,
                    QWidget* owner) {
    using F = ProfilePanel::Field;
    if (resolution.isCusp && resolution.firstSign && resolution.secondSign) {
        ShowSignProfile(result, *resolution.firstSign, ProfileSlot::First);
        ShowSignProfile(result, *resolution.secondSign, ProfileSlot::Second);
        result.setCuspDescription(Texts::cuspDescription(resolution.monthIndex));
        const QString first = result.panel(ProfileSlot::First).text(F::SignName);
        const QString second = result.panel(ProfileSlot::Second).text(F::SignName);
        result.setFrameCaption(ProfileSlot::First, frameCaptionFor(ProfileSlot::First, first));
        result.setFrameCaption(ProfileSlot::Second, frameCaptionFor(ProfileSlot::Second, second));
        //: The verdict on a cusp: %1 is the month's first sign, %2 the second; the
        //: line breaks separate two sentences
        platform.notify(QCoreApplication::translate("Search",
                                                    "Yes! You were born in the Cusp of %1 and "
                                                    "%2\r\n\r\nYou have the Characteristics "
                                                    "of both the Signs")
                            .arg(first, second),
                        owner);
        return;
    }

    platform.notify(QCoreApplication::translate("Search", "No! You were not born in a Cusp"),
                    owner);
    result.setFrameCaption(ProfileSlot::First, QString());
    result.setFrameCaption(ProfileSlot::Second, QString());
    result.setCurrentTab(0);
    result.setTabEnabled(1, false);
    if (resolution.firstSign)
        ShowSignProfile(result, *resolution.firstSign, ProfileSlot::First);
}

void RunCuspSearch(const BirthInput& input, SearchHost& host, Platform& platform) {
    if (const auto failure = ValidateBirthInput(input)) {
        platform.notify(failure->message, host.messageOwner());
        if (failure->focus != InputField::None)
            host.focusInputField(failure->focus);
        return;
    }

    ResultModel& result = host.resultModel();
    result.setTabEnabled(0, true);
    result.setTabEnabled(1, true);
    result.setCurrentTab(0);
    result.setFrameCaption(ProfileSlot::First, QString());
    result.setFrameCaption(ProfileSlot::Second, QString());

    const CuspResolution resolution = ResolveCusp(input.monthIndex, input.dayIndex);
    AssembleResult(result, resolution, platform, host.messageOwner());
    host.handOverToResult();
}

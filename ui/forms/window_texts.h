#pragma once

#include <QString>

// The fixed texts of the window, byte for byte (blanks included).
namespace window_texts {

inline const QString applicationTitle = QStringLiteral("MX 주식계산기");
inline const QString windowCaption = QStringLiteral("MX 주식계산기(무료버전) ");

inline const QString minimumFeeExplanation = QStringLiteral(
    "최저 수수료제란 고객의 매매금액이 일정수준미만일 경우 무조건 특정한 금액의 수수료를 부과하는 "
    "제도입니다. 예를들어 20만원미만의 금액은 무조건 500원의 수수료를 적용하는 것과 같은 방식이며 "
    "일부 증권사들이 거래에 대해서 최소한의 수수료는 챙기려는 목적으로  이러한 규정을 만듭니다. "
    "소액거래를 자주하면 수수료가 몇배나 증가할 수 있으므로   매매에 유의하셔야 합니다. 자세한 "
    "내용은 거래하는 증권사에 문의하시면 답변드릴 것 입니다. 이 제도는 증권사마다 다르며 적용하지 "
    "않는 업체도 있으니 거래하는 증권사에 이 제도의 적용여부를 확인하는 것이 좋습니다.");

inline const QString ratesNote = QStringLiteral("수수료율은 증권사마다 다릅니다.\n"
                                                "거래하는 증권사 비율로 설정하세요.\n"
                                                "\n"
                                                "예) 수수료 0,029 제세금율 0,3\n"
                                                "     주의: 점사용시 ,(컴마)로 기록하여야 합니다.");

// Where the desktop cannot open a web address; the address follows on the next line.
inline const QString browserUnavailable =
    QStringLiteral("웹 브라우저를 열 수 없습니다. 아래 주소를 복사하여 브라우저에서 여세요.");

} // namespace window_texts

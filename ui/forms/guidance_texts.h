#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the usage steps and the support commands, byte for byte (blanks
// included). Line breaks inside a message are single carriage returns.
namespace guidance {

inline QString quoted(const char *word) {
    return QStringLiteral("\"") + QString::fromUtf8(word) + QStringLiteral("\"");
}

inline QString optionsStep() {
    return quoted("옵션설정") +
           QString::fromUtf8(
               "창에서 거래하는 증권사에 맞는 수수료율과 제세금율을 설정합니다. 또 최저수수료제는 "
               "시행하고 있는 증권회사도 있고 그렇지 않은 곳도 있으니 정확한 정보를 입력하시길 "
               "바랍니다. 혹시 모르는 부분이 있다면 거래하는 증권사에 문의하거나 저희 개발회사로 "
               "문의주시기 바랍니다.");
}

inline QString quantityStep() {
    return QString::fromUtf8("매수할 주식의 수량을 기록하세요.");
}
inline QString buyPriceStep() {
    return QString::fromUtf8("매수가를 기록하세요.");
}
inline QString sellPriceStep() {
    return QString::fromUtf8("매도가를 기록하세요.");
}

inline QString calculateStep() {
    return quoted("계산하기") +
           QString::fromUtf8(
               "를 클릭하여 입력된 값에 맞는 손익과 수수료등의 다양한 결과를 볼 수 있다.");
}

inline QString telephone(const QString &number) {
    return QStringList{QString::fromUtf8("[전화상담]"),
                       QString(),
                       QString::fromUtf8("전화번호: ") + number,
                       QString(),
                       QString::fromUtf8("상담시간 오전9시~ 오후6시 (월~금) "),
                       QString(),
                       QString::fromUtf8("전화주시면 "),
                       QString::fromUtf8("문의사항을 답변드리겠습니다."),
                       QString::fromUtf8("감사합니다.")}
        .join(QLatin1Char('\r'));
}

inline QString promotionalNotice(const QString &number) {
    const QString blank = QStringLiteral(" ");
    return QStringList{QString::fromUtf8("[ 무료정품 제공 행사 안내 ] "),
                       blank,
                       QString::fromUtf8("무료정품을 다운로드 하시겠습니까?  "),
                       blank,
                       QString::fromUtf8("MX 주식계산기 정품을  "),
                       QString::fromUtf8("한달동안 무료로 사용할 수 있습니다. "),
                       QString::fromUtf8("단, 이전정품무료행사 참여자는 제외   "),
                       blank,
                       QString::fromUtf8("정품 주식계산기는 자산,매매,손절,분석등"),
                       QString::fromUtf8("막강한 기능들을 제공합니다. "),
                       blank,
                       QString::fromUtf8("상담전화: ") + number}
        .join(QLatin1Char('\r'));
}

inline QString aboutTitle() {
    return QString::fromUtf8("제품정보");
}
inline QString aboutVersion() {
    return QStringLiteral("1.05");
}

// Twelve lines, separated by carriage return and line feed.
inline QString aboutDescription() {
    return QStringList{QString::fromUtf8("MX 주식계산기(무료버전)은"),
                       QString::fromUtf8("주식을 매매하기전 발생하는"),
                       QString::fromUtf8("매수.매도 수수료와 손익을 계산하여"),
                       QString::fromUtf8("한눈에 볼 수 있어서"),
                       QString::fromUtf8("수익관리,손실관리력을 향샹시켜줍니다. "),
                       QString(),
                       QString(),
                       QString(),
                       QString(),
                       QString::fromUtf8("이 무료버전보다 성능이 우수한 정식버전은"),
                       QString::fromUtf8("홈페이지에서 다운받을 수 있습니다."),
                       QStringLiteral(" ")}
        .join(QStringLiteral("\r\n"));
}

} // namespace guidance

#pragma once

#include <string_view>

// The fixed texts of the calculation: messages, verdicts and the tax line, byte for byte (double
// blanks and trailing blanks included).
namespace mx::texts {

inline constexpr std::string_view quantityMissing = "수량이 기록되지 않았습니다.";
inline constexpr std::string_view buyPriceMissing = "매수가가 기록되지 않았습니다.";

inline constexpr std::string_view positiveVerdict =
    "투자에 긍정성이 내재되어 있으며 투자시 손실보다는 이익을 볼 가능성이 크다고 볼 수 있습니다.";
inline constexpr std::string_view longTermPositiveCaution =
    "*주의:  주가상으로는 투자권장이지만 큰악재나 상장폐지의 가능성이 있다면 투자불가합니다. ";
inline constexpr std::string_view evenVerdict =
    "주가로서는 투자에 긍정성은 없습니다. 투자시 손실과 이익을 볼 가능성이 50:50 이라고 볼 수 "
    "있습니다.";
inline constexpr std::string_view evenCaution =
    "*주의:  주가상으로는 수익가능성이 크지 않지만 큰호재의 발생시나 주가가 연일상한가를 치는 "
    "경우는 이익가능성이 있습니다.";
inline constexpr std::string_view longTermNegativeVerdict =
    "주가로서는 투자에 부적합합니다. 투자시 손실을 볼 가능성이 이익을 볼 가능성보다 큽니다.";
inline constexpr std::string_view longTermNegativeCaution =
    "*주의:  주가상으로는 손실 가능성이 크지만 큰호재의 발생시나 주가가 연일상한가를 치는 경우는 "
    "이익가능성이 있습니다.";
inline constexpr std::string_view atHighNote =
    "특별한 주가상승분위기가 아니라면 이익의 가능성이 크지 않습니다. ";
inline constexpr std::string_view dayPositiveCaution =
    "*주의:  주가상으로는 투자권장이지만 큰악재나 상장폐지의 가능성이 있다면 투자불가합니다. "
    "공시와 최신뉴스에 회사에대한 악재가 없는지 확인하세요.";
inline constexpr std::string_view upperLimitNote =
    "상한가에 도달한 경우 오늘은 더이상의 주가상승이 없는 경우이므로  데이트레이딩을 목표하는 "
    "투자자에게는 투자를 권하지 않습니다.단, 상한가와 바로 밑의 주가를 오가는 종목은 "
    "데이트레이딩의 황금종목이 될 수 있습니다.즉 상한가 바로 밑에서 구매하여 상한가에서 매도하는 "
    "전략을 구사합니다.이때 거래량과 회전율이 우수하지 못하면 급락가능성도 있으니 유의해야 합니다.";
inline constexpr std::string_view upperLimitLongTermAdvice =
    "장기투자를 염두하는 경우는 최근 연일상한가를 치고 강력한 호재의 영향력이 지속될 가능성이 "
    "있는 경우에 한하여 투자할 수 있습니다.";
inline constexpr std::string_view upperLimitLongTermCaution =
    "*주의: 헤지펀드의 유입또는 작전세력에 의한 과열상승이라면 급락가능성이 높으므로 투자에 "
    "유의하여야 합니다.";
inline constexpr std::string_view lowerLimitNote =
    "하한가에 도달한 경우 오늘은 더이상의 주가하락 이 없는 경우이므로 데이트레이딩을 목표하는 "
    "투자자에게는 상황에 따라 좋은 종목이 될수도 그렇지 않을 수도 있습니다.거래량과 회전율이 "
    "우수하며 특별한 악재가 없으면서 하한가 바로 위를 오가거나 하한가에서 상승을 지속한다면 "
    "손실보다 이익을 낼 수 있는 황금종목이 됩니다.그러나 공시를 확인하여 어떤 악재가 있고 "
    "거래량이 적고 매수량이 없으며 최근 주가가 연일 하한가를 친 종목이라면 위험주로 판단되며 "
    "투자를 하지 않는 것을 권장합니다.";
inline constexpr std::string_view dayNegativeVerdict =
    "투자에 부정성이 내재되어 있으며 투자시 이익보다는 손실을 볼 가능성이 크다고 볼 수 있습니다.";
inline constexpr std::string_view dayNegativeProviso =
    "그러나 특별한 호재가 있어 급상승이 기대되거나 연일 상승중인 종목이라면 상승가능성에 무게를 "
    "두고 투자할 수도 있습니다.";

// The options panel's line of the sell-side tax in force: "적용 세율 0.20% (증권거래세 0.05% +
// 농어촌특별세 0.15%, 2025-12-29 매매분부터)", for the rates before the first change "...
// (2019-05-29 매매분까지)"; while r2 applies "제세금율 적용 중 (거래일 기준 세율 0.20% 미적용)".
inline constexpr std::string_view taxRateLinePrefix = "적용 세율 ";
inline constexpr std::string_view transactionTaxName = "증권거래세 ";
inline constexpr std::string_view ruralTaxName = "농어촌특별세 ";
inline constexpr std::string_view taxRateUnusedPrefix = "제세금율 적용 중 (거래일 기준 세율 ";
inline constexpr std::string_view taxRateUnused = " 미적용)";
inline constexpr std::string_view taxRateTradesFrom = " 매매분부터";
inline constexpr std::string_view taxRateTradesUntil = " 매매분까지";
inline constexpr std::string_view taxRateEtfExempt = "ETF·ETN 비과세";

inline constexpr std::string_view ratioPrefix = "성공대 실패 비율은 ";
inline constexpr std::string_view favourableRatioSuffix = ":1 입니다.";
inline constexpr std::string_view unfavourableRatioPrefix = "성공대 실패 비율은 1:";
inline constexpr std::string_view unfavourableRatioSuffix = " 입니다.";

// The 평단·물타기 panel: why a target average cannot be reached at the current price.
inline constexpr std::string_view priceAtAverage =
    "현재가가 평균단가와 같아 더 사도 평단이 바뀌지 않습니다.";
inline constexpr std::string_view averageAtTarget = "평균단가가 이미 목표 평단입니다.";
// "현재가 65,000원에 사서는 평단을 60,000원으로 만들 수 없습니다."
inline constexpr std::string_view targetBeyondPricePrefix = "현재가 ";
inline constexpr std::string_view targetBeyondPriceMiddle = "원에 사서는 평단을 ";
inline constexpr std::string_view targetBeyondPriceSuffix = "원으로 만들 수 없습니다.";
inline constexpr std::string_view targetNeedsTooMany =
    "필요한 수량이 너무 많아 계산할 수 없습니다.";
// A holding whose amounts leave what the program counts in.
inline constexpr std::string_view averagingOutOfRange = "금액이 너무 커서 계산할 수 없습니다.";

} // namespace mx::texts

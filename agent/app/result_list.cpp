#include "agent/app/result_list.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/codepage.h"

namespace scx {

const ResultListColumn kResultListColumnSpec[kResultListColumns] = {
    {"순번", 60},       {"구분", 60},     {"유형", 60},   {"저작권사", 100}, {"프로그램명", 120}, {"제품시리얼", 100},
    {"설치일", 80},     {"최종사용일", 80}, {"실행파일명", 100}, {"파일경로", 150}, {"비고", 60},
};

std::string SwTypeName(std::string_view swType) {
    static const char* const names[] = {"상용", "쉐어", "프리", "폰트", "Conditional"};
    if (swType.size() == 1 && swType[0] >= '0' && swType[0] <= '4') return names[swType[0] - '0'];
    return std::string(swType);
}

std::vector<std::string> ResultListCells(const std::vector<std::string>& fields) {
    if (fields.size() < 19) return {};
    // #SWLIST: GUBUN 0, EXE_FILE 6, DISP_COMPANY 7, DISP_PRODUCT 8, PATH 10, CREATE_DATE 11,
    // SERIAL_NO 12, SW_TYPE 13, ETC 17, INSTALL_DATE 18.
    return {fields[0],  SwTypeName(fields[13]), fields[7], fields[8],  fields[12],
            fields[18], fields[11],             fields[6], fields[10], fields[17] == "-" ? "" : fields[17]};
}

int RowNumberWidth(long long count) {
    if (count < 1000) return 3;
    return static_cast<int>(std::to_string(count).size());
}

std::string ResultListCsvText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (int column = 0; column <= 9; ++column) {
            std::string cell = column < static_cast<int>(row.size()) ? row[column] : std::string();
            for (char& c : cell)
                if (c == ',') c = '.';
            text += cell;
            text += column < 9 ? ',' : '\n';
        }
    }
    return text;
}

bool AppendResultListCsv(const std::string& chosenPath, std::string_view text) {
    std::string bytes;
    for (char c : platform::Cp949FromUtf8(std::string(text) + " \n")) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    int fd = ::open((chosenPath + ".csv").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return ::close(fd) == 0 && done == bytes.size();
}

std::string MissingFolderMessage(std::string_view path, std::string_view exeFile) {
    std::string text(path);
    if (!exeFile.empty() && exeFile != "-") text += "\\" + std::string(exeFile);
    return text + " 가 존재하지 않습니다.";
}

}  // namespace scx

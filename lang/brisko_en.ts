<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ActionThread</name>
    <message>
        <source>Không đọc được thông tin tài khoản</source>
        <translation>Could not read the account information</translation>
    </message>
    <message>
        <source>tập tin rỗng</source>
        <translation>empty folder</translation>
    </message>
    <message>
        <source>Vui lòng kiểm tra lại đường dẫn %1</source>
        <translation>Please check your %1 links</translation>
    </message>
</context>
<context>
    <name>DialogCopyFile</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Sao chép&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Copy&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Sao chép đến:</source>
        <translation>Copy to:</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>DialogDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Lưu đến</source>
        <translation>Save to</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Sử dụng làm thư mục tải xuống mặc định</source>
        <translation>Use as the default download folder</translation>
    </message>
    <message>
        <source>Xem Online</source>
        <translation>View online</translation>
    </message>
    <message>
        <source>Download zip file</source>
        <translation>Download as a zip file</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải xuống&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Download&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>DialogFileInfo</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>0KB</source>
        <translation>0KB</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Tình trạng</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Đường dẫn tải về</source>
        <translation>Download link</translation>
    </message>
    <message>
        <source>Lưu tại</source>
        <translation>Save in</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông tin file&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;File information&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Open_dir</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>DialogLoading</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
</context>
<context>
    <name>DialogMoveFIle</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đến thư mục:</source>
        <translation>To folder:</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Chuyển File&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Move files&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>DialogMsg</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Xem chi tiết</source>
        <translation>Show details</translation>
    </message>
    <message>
        <source>Đóng lại</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thông báo&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Notice&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Thu nhỏ</source>
        <translation>Hide details</translation>
    </message>
</context>
<context>
    <name>DialogOption</name>
    <message>
        <source>Tùy chỉnh</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>title</source>
        <translation>title</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Chú ý</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Bạn cần khởi động lại chương trình để các tùy chỉnh có hiệu lực.</source>
        <translation>Restart the program for the settings to take effect.</translation>
    </message>
    <message>
        <source>Khởi động lại</source>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>Khởi động sau</source>
        <translation>Restart later</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogPlayVideo</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>Video file name:</translation>
    </message>
    <message>
        <source>Dung lượng:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Tải xuống và xem</source>
        <translation>Download and watch</translation>
    </message>
    <message>
        <source>Chọn chương trình xem video</source>
        <translation>Choose the video player</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>VLC Media Player</source>
        <translation>VLC Media Player</translation>
    </message>
    <message>
        <source>Media Player Classic</source>
        <translation>Media Player Classic</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Xem video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Play video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Tìm phụ đề</source>
        <translation>Find subtitles</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Chương trình xem video bạn chọn chưa được cài đặt.&lt;br&gt;Bạn có muốn cài đặt để xem video không?</source>
        <translation>The video player you chose is not installed.&lt;br&gt;Do you want to install it to watch the video?</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng. 
Vui lòng kiểm tra lại</source>
        <translation>Network connection error. 
Please check it and try again</translation>
    </message>
    <message>
        <source>Thực hiện không thành công.</source>
        <translation>The operation failed.</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>The program cannot open files of this format</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ đến khi tiến trình tải xuống lớn hơn 1% thì chương trình sẽ tự động mở video này.</source>
        <translation>Please wait: the program will open this video by itself once more than 1% of it has been downloaded.</translation>
    </message>
    <message>
        <source>Bạn vui lòng chờ tiến trình tải xuống lớn hơn 1% để xem video này.</source>
        <translation>Please wait until more than 1% has been downloaded to watch this video.</translation>
    </message>
</context>
<context>
    <name>DialogTurnOff</name>
    <message>
        <source>Hệ thống sẽ tự động tắt máy của bạn trong:</source>
        <translation>Your computer will shut down automatically in:</translation>
    </message>
    <message>
        <source>Ngưng tắt máy</source>
        <translation>Cancel shutdown</translation>
    </message>
    <message>
        <source>Tự động tắt máy</source>
        <translation>Automatic shutdown</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DialogUpload</name>
    <message>
        <source>Brisko Upload</source>
        <translation>Brisko Upload</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tải lên&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Upload&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>Choose files</translation>
    </message>
    <message>
        <source>Chọn đường dẫn</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Lưu vào vùng bảo đảm</source>
        <translation>Store in the secured space</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Tạo thư mục mới</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Bạn có đồng ý với tất cả </source>
        <translation>Do you agree to all </translation>
    </message>
    <message>
        <source>điều khoản</source>
        <translation>terms</translation>
    </message>
    <message>
        <source> của </source>
        <translation> of </translation>
    </message>
    <message>
        <source>Chọn tập tin tải lên</source>
        <translation>Choose files to upload</translation>
    </message>
    <message>
        <source>Tên tập tin &quot;</source>
        <translation>File name &quot;</translation>
    </message>
    <message>
        <source>&quot; chứa kí tự đặc biệt</source>
        <translation>&quot; contains special characters</translation>
    </message>
    <message>
        <source>Tất cả tập tin (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>Dialogcreatefol</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tên thư mục:</source>
        <translation>Folder name:</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo Folder Mới&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;New folder&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>Tạo link thất bại!</source>
        <translation>Could not create the download link!</translation>
    </message>
    <message>
        <source>Thư mục không tồn tại.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Không tạo được kết nối để tải tập tin.</source>
        <translation>Could not open a connection to download the file.</translation>
    </message>
    <message>
        <source>Chờ... </source>
        <translation>Waiting... </translation>
    </message>
    <message>
        <source>Chờ %1 s</source>
        <translation>Waiting (%1 s)</translation>
    </message>
    <message>
        <source>Tập tin trên máy lớn hơn tập tin cần tải. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>The file on this computer is larger than the file to download. Please choose another folder for the download.</translation>
    </message>
    <message>
        <source>Error opening local file</source>
        <translation>Error opening local file</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Partial file downloaded</source>
        <translation>Download incomplete</translation>
    </message>
    <message>
        <source>Service is not available</source>
        <translation>Service is not available</translation>
    </message>
    <message>
        <source>Lỗi kết nối máy chủ. Vui lòng kiểm tra lại kết nối mạng.</source>
        <translation>Could not connect to the server. Please check your network connection.</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu trữ tập tin</source>
        <translation>Not enough free space to store the file</translation>
    </message>
    <message>
        <source>Lỗi ghi dữ liệu xuống file.</source>
        <translation>Error writing data to the file.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Phân vùng FAT32 không thể chứa tập tin lớn hơn 4GB. Vui lòng chọn đường dẫn khác để tải.</source>
        <translation>A FAT32 partition cannot hold files larger than 4GB. Please choose another folder for the download.</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>Tập tin có mật khẩu. Double click để nhập mật khẩu!</source>
        <translation>This file is password-protected. Double-click to enter the password.</translation>
    </message>
    <message>
        <source>Mật khẩu không đúng. Vui lòng nhập lại!</source>
        <translation>Wrong password. Please enter it again!</translation>
    </message>
    <message>
        <source>Quá số IP cho phép. Tài khoản của quý khách đang được sử dụng quá số IP cho phép.</source>
        <translation>Too many IP addresses. Your account is being used from more IP addresses than allowed.</translation>
    </message>
    <message>
        <source>Máy chủ gửi nhiều dữ liệu hơn kích thước tập tin.</source>
        <translation>The server sent more data than the file holds.</translation>
    </message>
    <message>
        <source>Tập tin trên máy chủ đã thay đổi. Vui lòng tải lại tập tin.</source>
        <translation>The file on the server has changed. Please download it again.</translation>
    </message>
</context>
<context>
    <name>FormDownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>Downloaded files</translation>
    </message>
    <message>
        <source>Tên file</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Link file</source>
        <translation>File link</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>Saved to</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>Pause all</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>Start all</translation>
    </message>
    <message>
        <source>Xóa </source>
        <translation>Remove </translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Tập tin</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Trạng thái</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tiến trình</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Tốc độ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Kết thúc</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Lỗi download!

Bạn nên chọn Yes để Brisko tool khởi động lại
v�  tiếp tục download. Hoặc chọn No để thử lại.</source>
        <translation>Download error!

You should choose Yes to restart Brisko tool
and continue downloading. Or choose No to try again.</translation>
    </message>
    <message>
        <source>Lỗi Download</source>
        <translation>Download error</translation>
    </message>
    <message>
        <source>Tạm dừng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tải tập tin</source>
        <translation>Download file</translation>
    </message>
    <message>
        <source>Xem video online</source>
        <translation>Watch video online</translation>
    </message>
    <message>
        <source>Di chuyển lên đầu</source>
        <translation>Move to the top</translation>
    </message>
    <message>
        <source>Di chuyển lên</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Di chuyển xuống</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Di chuyển xuống cuối</source>
        <translation>Move to the bottom</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Thông tin file</source>
        <translation>File information</translation>
    </message>
    <message>
        <source>Mở tập tin</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Mở thư mục chứa tập tin</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>Tải lại</source>
        <translation>Re-download</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải xuống</source>
        <translation>Please select the files to download.</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin cần tạm dừng tải xuống</source>
        <translation>Please select the downloads to pause.</translation>
    </message>
    <message>
        <source>Xác nhận xóa</source>
        <translation>Confirm removal</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn xóa tập tin này không?</source>
        <translation>Do you really want to remove this file from the list?</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá</source>
        <translation>Please select at least one file to remove</translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải xuống&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>You must &lt;b&gt;pause&lt;/b&gt; the selected downloads before removing them</translation>
    </message>
    <message>
        <source>Xác nhận tải lại</source>
        <translation>Confirm re-download</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn tải lại tập tin này không?
Sau khi bạn tải lại nếu tập tin tồn tại sẽ bị xóa.</source>
        <translation>Do you really want to download this file again?
If the file exists, it will be deleted when you download it again.</translation>
    </message>
    <message>
        <source>Lỗi mở tập tin</source>
        <translation>Error opening the file</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>The file you chose does not exist</translation>
    </message>
    <message>
        <source>Lỗi mở thư mục</source>
        <translation>Error opening the folder</translation>
    </message>
    <message>
        <source>Thư mục bạn chọn không tồn tại</source>
        <translation>The folder you chose does not exist</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu danh sách tải xuống</source>
        <translation>Not enough free space to save the download list</translation>
    </message>
    <message>
        <source>Lỗi lưu danh sách tải xuống</source>
        <translation>Error saving the download list</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải xuống: </source>
        <translation>Error in the download list: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải xuống bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>The list of downloads is damaged
Please add the files to the list again</translation>
    </message>
    <message>
        <source>Chương trình không hỗ trợ mở loại định dạng của tập tin này</source>
        <translation>The program cannot open files of this type</translation>
    </message>
    <message>
        <source>View Online</source>
        <translation>Viewing online</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>FormInfo</name>
    <message>
        <source>Đăng xuất</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tài khoản:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Tài khoản</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Mã thành viên:</source>
        <translation>Member ID:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Thời hạn dùng:</source>
        <translation>Valid until:</translation>
    </message>
    <message>
        <source>92 ngày</source>
        <translation>92 days</translation>
    </message>
    <message>
        <source>Loại thành viên:</source>
        <translation>Membership:</translation>
    </message>
    <message>
        <source>Click vào để mua VIP</source>
        <translation>Click to buy VIP</translation>
    </message>
    <message>
        <source>Lượt tải còn lại:</source>
        <translation>Downloads left:</translation>
    </message>
    <message>
        <source>99 lượt</source>
        <translation>99 downloads</translation>
    </message>
    <message>
        <source>File upload tối đa:</source>
        <translation>Largest upload:</translation>
    </message>
    <message>
        <source>Upload size</source>
        <translation>Upload size</translation>
    </message>
    <message>
        <source>Điểm thưởng:</source>
        <translation>Bonus points:</translation>
    </message>
    <message>
        <source>85 điểm</source>
        <translation>85 points</translation>
    </message>
    <message>
        <source>Tài khoản mở:</source>
        <translation>Account opened:</translation>
    </message>
    <message>
        <source>12/12/2009</source>
        <translation>12/12/2009</translation>
    </message>
    <message>
        <source>Tổng file upload:</source>
        <translation>Files uploaded:</translation>
    </message>
    <message>
        <source>1000 file</source>
        <translation>1000 files</translation>
    </message>
    <message>
        <source>Tổng file download:</source>
        <translation>Files downloaded:</translation>
    </message>
    <message>
        <source>100 file</source>
        <translation>100 files</translation>
    </message>
    <message>
        <source>Kích hoạt tải trực tiếp</source>
        <translation>Enable direct download</translation>
    </message>
    <message>
        <source>DL bảo đảm đã dùng:</source>
        <translation>Secure storage used:</translation>
    </message>
    <message>
        <source>0.93GB</source>
        <translation>0.93GB</translation>
    </message>
    <message>
        <source>DL bảo đảm còn lại:</source>
        <translation>Secure storage left:</translation>
    </message>
    <message>
        <source>DL không bảo đảm đã dùng:</source>
        <translation>Standard storage used:</translation>
    </message>
    <message>
        <source>DL không bảo đảm còn lại:</source>
        <translation>Standard storage left:</translation>
    </message>
    <message>
        <source>299GB</source>
        <translation>299GB</translation>
    </message>
    <message>
        <source>Tổng dung lượng của tài khoản:</source>
        <translation>Total account storage:</translation>
    </message>
    <message>
        <source>300GB</source>
        <translation>300GB</translation>
    </message>
    <message>
        <source>Tổng traffic:</source>
        <translation>Total traffic:</translation>
    </message>
    <message>
        <source>0 GB</source>
        <translation>0 GB</translation>
    </message>
    <message>
        <source>Traffic đã dùng:</source>
        <translation>Traffic used:</translation>
    </message>
    <message>
        <source>Traffic còn lại:</source>
        <translation>Traffic left:</translation>
    </message>
    <message>
        <source>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Quản lý Zidudar/Directlink&lt;/a&gt;</source>
        <translation>&lt;a a href=&quot;/managerZidUdarDirectLink&quot;&gt;Manage Zidudar/Directlink&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Forever</source>
        <translation>Forever</translation>
    </message>
    <message>
        <source>Khách hàng trả sau</source>
        <translation>Postpaid customer</translation>
    </message>
    <message>
        <source>Thành viên thường</source>
        <translation>Regular member</translation>
    </message>
    <message>
        <source>Không giới hạn</source>
        <translation>Unlimited</translation>
    </message>
    <message numerus="yes">
        <source>%n lượt</source>
        <translation>
            <numerusform>%n download</numerusform>
            <numerusform>%n downloads</numerusform>
        </translation>
    </message>
    <message>
        <source>Vĩnh viễn</source>
        <translation>Forever</translation>
    </message>
    <message numerus="yes">
        <source>%n điểm</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>FormManage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tạo thư mục</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>Di chuyển</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Cập nhật</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>F2</source>
        <comment>&amp;Rename</comment>
        <translation>F2</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <comment>&amp;Download</comment>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Tên tập tin</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Lần tải</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Ngày tạo</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>dd/MM/yyyy</source>
        <translation>MM/dd/yyyy</translation>
    </message>
    <message>
        <source>Lỗi kết nối mạng !</source>
        <translation>Network connection error.</translation>
    </message>
    <message>
        <source>Duong dan hay tren </source>
        <translation>Great links on </translation>
    </message>
    <message>
        <source>Sửa tên</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Tạo mật khẩu</source>
        <translation>Set password</translation>
    </message>
    <message>
        <source>Đổi mật khẩu</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>Tải Lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Sao chép links</source>
        <translation>Copy links</translation>
    </message>
    <message>
        <source>Gửi link cho bạn bè</source>
        <translation>Send links to friends</translation>
    </message>
    <message>
        <source>Giữ bảo đảm file</source>
        <translation>Secure file</translation>
    </message>
    <message>
        <source>Không bảo đảm file</source>
        <translation>Unsecure file</translation>
    </message>
    <message>
        <source>Bật Directlink</source>
        <translation>Turn direct link on</translation>
    </message>
    <message>
        <source>Tắt Directlink</source>
        <translation>Turn direct link off</translation>
    </message>
    <message>
        <source>Bạn chưa chọn file</source>
        <translation>You have not selected a file.</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Bạn có muốn xóa file ?</source>
        <translation>Do you want to delete the files?</translation>
    </message>
    <message>
        <source>Bạn là thành viên thường nên không thực hiện được chức năng này.</source>
        <translation>Ordinary members cannot use this function.</translation>
    </message>
    <message>
        <source>Thư mục mặc định Music, Photos không được phép tải về!</source>
        <translation>The default folders Music and Photos cannot be downloaded.</translation>
    </message>
    <message>
        <source>Độ dài tối đa là 100 kí tự</source>
        <translation>A name can be at most 100 characters long.</translation>
    </message>
    <message>
        <source>Tên tập tin không được phép rỗng.</source>
        <translation>The file name must not be empty.</translation>
    </message>
    <message>
        <source>Tên tập tin không được chứa kí tự đặt biệt: </source>
        <translation>The file name must not contain this special character: </translation>
    </message>
    <message>
        <source>Mục đã chọn không có đường dẫn nên không thực hiện được chức năng này.</source>
        <translation>The selected item has no link, so this function cannot be used.</translation>
    </message>
</context>
<context>
    <name>FormUpload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Tập tin đã tải</source>
        <translation>Uploaded files</translation>
    </message>
    <message>
        <source>Tên file</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Dung lượng</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Đường dẫn</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Thuộc thư mục</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>Uploads in progress</translation>
    </message>
    <message>
        <source>Tạo mới</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Bắt đầu</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Tạm ngưng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Xóa</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Bắt đầu tất cả</source>
        <translation>Start all</translation>
    </message>
    <message>
        <source>Tạm dừng tất cả</source>
        <translation>Pause all</translation>
    </message>
    <message>
        <source>Tập tin</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Trạng thái</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Tiến trình</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Tốc độ</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Kết thúc</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>Tạm dừng</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Di chuyển lên đầu</source>
        <translation>Move to top</translation>
    </message>
    <message>
        <source>Di chuyển lên</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Di chuyển xuống</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Di chuyển xuống cuối</source>
        <translation>Move to bottom</translation>
    </message>
    <message>
        <source>Tải tập tin về máy</source>
        <translation>Download to this computer</translation>
    </message>
    <message>
        <source>Copy links</source>
        <translation>Copy links</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Hãy chọn các tập tin để bắt đầu tải lên</source>
        <translation>Select the files to start uploading</translation>
    </message>
    <message>
        <source>Hãy chọn các file cần tạm dừng tải lên</source>
        <translation>Select the files whose upload to pause</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Vui lòng chọn ít nhất một tập tin cần xoá </source>
        <translation>Please select at least one file to remove </translation>
    </message>
    <message>
        <source>Bạn phải &lt;b&gt;dừng tải lên&lt;/b&gt; các tập tin đã chọn trước khi xóa</source>
        <translation>You must &lt;b&gt;pause&lt;/b&gt; the selected uploads before removing them</translation>
    </message>
    <message>
        <source>Xác nhận xóa</source>
        <translation>Confirm removal</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn xóa tập tin này không?</source>
        <translation>Do you really want to remove this file from the list?</translation>
    </message>
    <message>
        <source>Lỗi mở tập tin</source>
        <translation>Error opening file</translation>
    </message>
    <message>
        <source>Tập tin bạn chọn không tồn tại</source>
        <translation>The file you selected does not exist</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Không đủ dung lượng trống để lưu thông tin tải lên</source>
        <translation>Not enough free space to save the upload list</translation>
    </message>
    <message>
        <source>Lỗi lưu thông tin tải lên</source>
        <translation>Error saving the upload list</translation>
    </message>
    <message>
        <source>Lỗi thông tin tải lên: </source>
        <translation>Upload list error: </translation>
    </message>
    <message>
        <source>Danh sách các tập tin tải lên bị lỗi
Vui lòng thêm lại vào danh sách</source>
        <translation>The list of uploads is damaged
Please add the files to the list again</translation>
    </message>
</context>
<context>
    <name>LoginForm</name>
    <message>
        <source>Đăng nhập Brisko Tool</source>
        <translation>Log in to Brisko Tool</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;Nếu bạn chưa có tài khoản, vui lòng &lt;a href=&quot;%1/signup&quot;&gt;đăng ký&lt;/a&gt; tại đây</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;No account yet? Please &lt;a href=&quot;%1/signup&quot;&gt;sign up&lt;/a&gt; here</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Quên mật khẩu?&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;%1/forgot&quot;&gt;Forgot your password?&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Ghi nhớ</source>
        <translation>Remember me</translation>
    </message>
    <message>
        <source>Thư điện tử</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Đăng nhập</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Thoát</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>Log in automatically</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Tùy chọn&lt;/a&gt;</source>
        <translation>&lt;style&gt;a { color: #18517a; }&lt;/style&gt;&lt;a href=&quot;/option&quot;&gt;Settings&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>1.0.0</source>
        <translation>1.0.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Đang kiểm tra phiên bản mới&lt;/b&gt;</source>
        <translation>&lt;b&gt;Checking for a new version&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Kết nối mạng bị lỗi 
</source>
        <translation>The network connection failed 
</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>MainWindow</source>
        <translation>Brisko Tool</translation>
    </message>
    <message>
        <source>Tải xuống: %1</source>
        <translation>Download: %1</translation>
    </message>
    <message>
        <source>Tải lên: %1</source>
        <translation>Upload: %1</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Tải lên</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Quản lý file</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Tìm nội dung</source>
        <translation>Find content</translation>
    </message>
    <message>
        <source>Tài &amp;khoản</source>
        <translation>&amp;Account</translation>
    </message>
    <message>
        <source>&amp;Công cụ</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>T&amp;rợ giúp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Tạ&amp;o mới</source>
        <translation>&amp;Sign up…</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Brisko</source>
        <translation>&amp;About Brisko Tool</translation>
    </message>
    <message>
        <source>Tùy &amp;chỉnh</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Đăng &amp;xuất</source>
        <translation>Log &amp;out</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>&amp;Thoát</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Xem &amp;thông tin</source>
        <translation>Account &amp;details</translation>
    </message>
    <message>
        <source>Shift+X</source>
        <translation>Shift+X</translation>
    </message>
    <message>
        <source>Hướng dẫn sử dụng</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Nhập link từ file...</source>
        <translation>Import links from a file...</translation>
    </message>
    <message>
        <source>Nhập link download Brisko từ file văn bản</source>
        <translation>Import Brisko download links from a text file</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Dán đường dẫn</source>
        <translation>Paste links</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <comment>&amp;Upload</comment>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Mở chương trình</source>
        <translation>Open Brisko Tool</translation>
    </message>
    <message>
        <source>Đóng chương trình</source>
        <translation>Quit Brisko Tool</translation>
    </message>
    <message>
        <source>Chọn tập tin</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Txt file(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Tiến trình tải xuống</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Hoàn thành: </source>
        <translation>Completed: </translation>
    </message>
    <message>
        <source>Tiến trình tải lên</source>
        <translation>Uploads</translation>
    </message>
    <message>
        <source>Thông tin</source>
        <comment>about the program</comment>
        <translation>About Brisko Tool</translation>
    </message>
</context>
<context>
    <name>MediaPlayerInfo</name>
    <message>
        <source>Đang tải trình xem phim %1</source>
        <translation>Downloading the video player %1</translation>
    </message>
</context>
<context>
    <name>Popup_rss_SetDownloadFolder</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>Download folder</translation>
    </message>
    <message>
        <source>Tên thể loại:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>Choose the download folder</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin tải xuống</source>
        <translation>Please choose where to save downloaded files</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Login error! (%1)</source>
        <translation>Login error! (%1)</translation>
    </message>
    <message>
        <source>Thoát!</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn thoát khỏi chương trình?</source>
        <translation>Do you really want to quit the program?</translation>
    </message>
    <message>
        <source>Lỗi (%1)</source>
        <translation>Error (%1)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Could not create the folder. Please check the path &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Vui lòng nhập đường dẫn tải xuống của brisko.</source>
        <translation>Please enter a Brisko download link.</translation>
    </message>
    <message>
        <source>Vui lòng chọn đường dẫn thư mục!</source>
        <translation>Please choose a folder!</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Nhập tên cho tập tin.</source>
        <translation>Enter a name for the file.</translation>
    </message>
    <message>
        <source>Chọn thư mục lưu trữ tập tin.</source>
        <translation>Choose a folder to save the file in.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tập tin đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>A file of that name already exists; the file cannot be renamed.</translation>
    </message>
    <message>
        <source>Tập tin %1 đã tồn tại, không thể đổi tên tập tin.</source>
        <translation>The file %1 already exists; the file cannot be renamed.</translation>
    </message>
    <message>
        <source>Tạo thư mục thất bại. Bạn vui lòng kiểm tra lại đường dẫn.</source>
        <translation>The folder could not be created. Please check the path.</translation>
    </message>
    <message>
        <source>Tập tin %1 đang được tải, không thể đổi tên hay chuyển tập tin.</source>
        <translation>%1 is downloading; it cannot be renamed or moved now.</translation>
    </message>
    <message>
        <source>Không đổi tên hay chuyển được tập tin %1 thành %2.</source>
        <translation>The file %1 could not be renamed or moved to %2.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Vui lòng xác nhận đồng ý các điều khoản của Brisko.</source>
        <translation>Please confirm that you agree to the Brisko terms.</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; không tồn tại</source>
        <translation>The file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Tập tin &quot;%1&quot; rỗng</source>
        <translation>The file &quot;%1&quot; is empty</translation>
    </message>
    <message>
        <source>Lỗi tập tin</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Vui lòng chọn file cần upload.</source>
        <translation>Please choose the files to upload.</translation>
    </message>
    <message>
        <source>Lỗi!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cảnh báo!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source> Tổng Quát</source>
        <translation> General</translation>
    </message>
    <message>
        <source> Tác vụ tải lên</source>
        <translation> Uploads</translation>
    </message>
    <message>
        <source> Tác vụ tải xuống</source>
        <translation> Downloads</translation>
    </message>
    <message>
        <source> Kết nối</source>
        <translation> Connection</translation>
    </message>
    <message>
        <source>Không khởi động lại được chương trình. Bạn hãy tự mở lại chương trình.</source>
        <translation>The program could not be restarted. Please start it again yourself.</translation>
    </message>
    <message>
        <source>Tên thư mục không được đặt là khoảng trắng.</source>
        <translation>The folder name must not consist of blanks only.</translation>
    </message>
    <message>
        <source>Bạn chưa nhập tên thư mục</source>
        <translation>Please enter a folder name.</translation>
    </message>
    <message>
        <source>Đăng xuất!</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Bạn có chắc muốn đăng xuất ?</source>
        <translation>Are you sure you want to log out?</translation>
    </message>
    <message>
        <source>Không lưu được tùy chỉnh (%1). Các thay đổi sẽ mất khi chương trình khởi động lại.</source>
        <translation>The settings could not be saved (%1). The changes will be lost when the program starts again.</translation>
    </message>
    <message>
        <source>Brisko Tool không thể chạy: không ghi được tệp khóa vào thư mục tạm
%1
Ổ đĩa có thể đã đầy hoặc chỉ cho phép đọc. Hãy giải phóng dung lượng hoặc kiểm tra quyền ghi, rồi mở lại chương trình.</source>
        <translation>Brisko Tool cannot run: its lock file cannot be written in the temporary folder
%1
The disk may be full or read-only. Free some space or check the write permission, then open the program again.</translation>
    </message>
</context>
<context>
    <name>ReLogin</name>
    <message>
        <source>Tài khoản đã đăng xuất</source>
        <translation>The account has logged out</translation>
    </message>
</context>
<context>
    <name>RssManager</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Chọn nguồn phim: </source>
        <translation>Film source: </translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Tìm kiếm:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Danh mục</source>
        <translation>Categories</translation>
    </message>
    <message>
        <source>Hình</source>
        <translation>Poster</translation>
    </message>
    <message>
        <source>Tiêu đề</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Mô tả</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Đường dẫn tải xuống</source>
        <translation>Download links</translation>
    </message>
    <message>
        <source>Phụ đề tiếng việt</source>
        <translation>Vietnamese subtitles</translation>
    </message>
    <message>
        <source>Ngày cập nhật</source>
        <translation>Updated</translation>
    </message>
    <message>
        <source>Đường dẫn xem chi tiết</source>
        <translation>Details page</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Tài khoản của bạn không có quyền sử dụng tính năng này. Để sử dụng tính năng này bạn cần mua tài khoản VIP của</source>
        <translation>Your account may not use this feature. To use it, you need to buy a VIP account of</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>Loading data, please wait</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phim</source>
        <translation>Please enter a keyword to search for films</translation>
    </message>
    <message>
        <source>Website đang triển khai liên kết với Brisko, mời bạn quay lại sau</source>
        <translation>This website is still being linked with Brisko; please come back later</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu phim, vui lòng thử lại sau.</source>
        <translation>Could not load the film data; please try again later.</translation>
    </message>
    <message>
        <source>dd/MM/yyyy hh:mm</source>
        <translation>MM/dd/yyyy hh:mm</translation>
    </message>
    <message>
        <source>Lỗi đọc tập tin xml</source>
        <translation>XML read error</translation>
    </message>
    <message>
        <source>Không ghi được danh sách thể loại tải xuống tự động: %1</source>
        <translation>Could not save the categories to download automatically: %1</translation>
    </message>
    <message>
        <source>Dừng tải xuống tự động khi có phim mới</source>
        <translation>Stop downloading new films automatically</translation>
    </message>
    <message>
        <source>Tải xuống tự động khi có phim mới</source>
        <translation>Download new films automatically</translation>
    </message>
    <message>
        <source>Chọn thư mục tải xuống</source>
        <translation>Choose the download folder</translation>
    </message>
    <message>
        <source>Sao chép đường dẫn tải xuống</source>
        <translation>Copy download links</translation>
    </message>
    <message>
        <source>Tải xuống</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Định dạng 720p</source>
        <translation>720p format</translation>
    </message>
    <message>
        <source>Định dạng 1080p</source>
        <translation>1080p format</translation>
    </message>
    <message>
        <source>Định dạng khác</source>
        <translation>Other formats</translation>
    </message>
    <message>
        <source>Tải phụ đề tiếng việt</source>
        <translation>Download Vietnamese subtitles</translation>
    </message>
    <message>
        <source>Tìm phụ đề trực tuyến</source>
        <translation>Find subtitles online</translation>
    </message>
    <message>
        <source>Gửi đường dẫn tải xuống cho bạn bè</source>
        <translation>Send download links to friends</translation>
    </message>
    <message>
        <source>Phim hay tren brisko</source>
        <translation>Good films on brisko</translation>
    </message>
</context>
<context>
    <name>SearchSubtitleOnline</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tìm</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Tải về</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Nhập từ khóa</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tìm phụ đề trực tuyến&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Find subtitles online&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tên phim</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Người upload</source>
        <translation>Uploaded by</translation>
    </message>
    <message>
        <source>Ngôn ngữ</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Đang tải dữ liệu, bạn vui lòng đợi</source>
        <translation>Loading data, please wait</translation>
    </message>
    <message>
        <source>Bạn vui lòng nhập từ khóa để tìm phụ đề.</source>
        <translation>Please enter a keyword to search for subtitles.</translation>
    </message>
    <message>
        <source>Không tìm thấy phụ đề theo yêu cầu tìm kiếm của bạn</source>
        <translation>No subtitles match your search</translation>
    </message>
    <message>
        <source>Chọn thư mục chứa tập tin phụ đề</source>
        <translation>Choose the folder for the subtitle files</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn một tập tin phụ đề</source>
        <translation>Please choose a subtitle file</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Không đổi được tên tập tin phụ đề theo tập tin video</source>
        <translation>Could not rename the subtitle file after the video file</translation>
    </message>
    <message>
        <source>Không tồn tại tập tin phụ đề, vui lòng chọn tải tập tin phụ đề khác</source>
        <translation>The subtitle file does not exist; please choose another subtitle to download</translation>
    </message>
    <message>
        <source>Không tải được dữ liệu từ trang phụ đề, vui lòng thử lại sau.</source>
        <translation>Could not load data from the subtitle site; please try again later.</translation>
    </message>
</context>
<context>
    <name>Search_subtitles</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Tên tập tin video:</source>
        <translation>Video file name:</translation>
    </message>
    <message>
        <source>Tìm trực tuyến ...</source>
        <translation>Search online ...</translation>
    </message>
    <message>
        <source>Đường dẫn tới tập tin phụ đề:</source>
        <translation>Path to the subtitle file:</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Phụ đề cho video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Subtitles for the video&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Chọn tập tin phụ đề</source>
        <translation>Choose subtitle files</translation>
    </message>
    <message>
        <source>Lỗi</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn tới tập tin phụ đề</source>
        <translation>Please choose the path to the subtitle file</translation>
    </message>
    <message>
        <source>Tập tin phụ đề không tồn tại</source>
        <translation>The subtitle file does not exist</translation>
    </message>
</context>
<context>
    <name>ShowErrorDetail</name>
    <message>
        <source>Dữ liệu ngày tháng không hợp lệ</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>Toán tử không hợp lệ</source>
        <translation>Invalid operator</translation>
    </message>
    <message>
        <source>Thao tác không được phép thực hiện</source>
        <translation>This operation is not allowed</translation>
    </message>
    <message>
        <source>Tham số quá lớn</source>
        <translation>Parameter too large</translation>
    </message>
    <message>
        <source>Đăng nhập sai Username hoặc Pass</source>
        <translation>Wrong username or password</translation>
    </message>
    <message>
        <source>Không thể giải quyết yêu cầu</source>
        <translation>The request could not be processed</translation>
    </message>
    <message>
        <source>Dữ liệu đã được sử dụng</source>
        <translation>The data is already in use</translation>
    </message>
    <message>
        <source>Mã xác nhận không chính xác</source>
        <translation>Incorrect verification code</translation>
    </message>
    <message>
        <source>Dữ liệu không phép rỗng</source>
        <translation>The data must not be empty</translation>
    </message>
    <message>
        <source>Dữ liệu không nằm trong danh sách</source>
        <translation>The data is not in the list</translation>
    </message>
    <message>
        <source>Dữ liệu tên file/folder không hợp lệ</source>
        <translation>Invalid file or folder name</translation>
    </message>
    <message>
        <source>Dữ liệu phải là số nguyên</source>
        <translation>The data must be a whole number</translation>
    </message>
    <message>
        <source>Dữ liệu phải là định dạng email</source>
        <translation>The data must be an e-mail address</translation>
    </message>
    <message>
        <source>Dữ liệu URL không chính xác</source>
        <translation>Incorrect URL</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không hợp lệ</source>
        <translation>Invalid input</translation>
    </message>
    <message>
        <source>Dữ liệu không tồn tại</source>
        <translation>The data does not exist</translation>
    </message>
    <message>
        <source>Thư mục mặc định, không cho phép thực hiện chức năng này</source>
        <translation>This action is not allowed on a default folder.</translation>
    </message>
    <message>
        <source>Dữ liệu đã bị xóa</source>
        <translation>The data has been deleted</translation>
    </message>
    <message>
        <source>Loại thành viên không đủ quyền thực hiện chức năng</source>
        <translation>Your membership type does not allow this function</translation>
    </message>
    <message>
        <source>Dữ liệu đã có trong danh sách</source>
        <translation>The data is already in the list</translation>
    </message>
    <message>
        <source>Dung lượng không đủ để thực hiện chức năng</source>
        <translation>Not enough storage space for this function</translation>
    </message>
    <message>
        <source>User không tồn tại</source>
        <translation>The account does not exist</translation>
    </message>
    <message>
        <source>Gửi mail không thành công</source>
        <translation>The e-mail could not be sent</translation>
    </message>
    <message>
        <source>Thao tác đổi tên thành công, nhưng bị thay đổi nội dung</source>
        <translation>Renamed successfully, but the name was adjusted</translation>
    </message>
    <message>
        <source>Thực hiện thao tác di chuyển ngay tại vị trí cũ</source>
        <translation>The destination is the same as the current location.</translation>
    </message>
    <message>
        <source>Thao tác di chuyển phải thực hiện vào Thư mục</source>
        <translation>Items can only be moved into a folder</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển vào thư mục con của nó</source>
        <translation>A folder cannot be moved into one of its subfolders</translation>
    </message>
    <message>
        <source>Thao tác copy phải thực hiện vào Thư mục</source>
        <translation>Items can only be copied into a folder</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác copy vào thư mục con của nó</source>
        <translation>A folder cannot be copied into one of its subfolders</translation>
    </message>
    <message>
        <source>Thao tác clone phải thực hiện vào Thư mục</source>
        <translation>Items can only be cloned into a folder</translation>
    </message>
    <message>
        <source>Tài nguyên không Public</source>
        <translation>The resource is not public</translation>
    </message>
    <message>
        <source>Dung lượng trafic không đủ</source>
        <translation>Not enough traffic left</translation>
    </message>
    <message>
        <source>Dung lượng trafic đủ</source>
        <translation>Enough traffic left</translation>
    </message>
    <message>
        <source>Không thực hiện thao tác di chuyển thư mục đó vào chính nó</source>
        <translation>A folder cannot be moved into itself</translation>
    </message>
    <message>
        <source>File clone không đúng định dạng</source>
        <translation>The file to clone has a wrong format</translation>
    </message>
    <message>
        <source>Dữ liệu đầu vào không chính xác</source>
        <translation>Incorrect input</translation>
    </message>
    <message>
        <source>Không tồn tại!</source>
        <translation>Does not exist!</translation>
    </message>
    <message>
        <source>Lỗi server</source>
        <translation>Server error</translation>
    </message>
    <message>
        <source>Thực hiện không thành công</source>
        <translation>The operation failed</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
</context>
<context>
    <name>SimpleDownloadDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Đang tải ...</source>
        <translation>Downloading ...</translation>
    </message>
</context>
<context>
    <name>TableDownloadModel</name>
    <message>
        <source>Queued</source>
        <translation>Queued</translation>
    </message>
</context>
<context>
    <name>TableUploadModel</name>
    <message>
        <source>Queued</source>
        <translation>Queued</translation>
    </message>
</context>
<context>
    <name>UpdateHelper</name>
    <message>
        <source>Brisko Tool của bạn đã được cập nhật thành công</source>
        <translation>Your Brisko Tool has been updated successfully</translation>
    </message>
    <message>
        <source>Quá trình cập nhật bị lỗi. Thử lại lần nữa?</source>
        <translation>The update failed. Try again?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Vui lòng tải phiên bản mới tại %1</source>
        <translation>Your version of Brisko Tool is too old.&lt;br&gt;Please download the new version at %1</translation>
    </message>
    <message>
        <source>Brisko Tool đã có phiên bản %1.
Bạn có muốn tải &amp; cập nhật ngay không?</source>
        <translation>Brisko Tool version %1 is available.
Do you want to download and update now?</translation>
    </message>
    <message>
        <source>Phiên bản Brisko Tool của bạn quá cũ.&lt;br&gt;Chọn &lt;b&gt;Ok&lt;/b&gt; để cập nhật lên phiên bản %1.</source>
        <translation>Your version of Brisko Tool is too old.&lt;br&gt;Choose &lt;b&gt;OK&lt;/b&gt; to update to version %1.</translation>
    </message>
    <message>
        <source>Đang tải tập tin cập nhật...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>Lỗi không xác định khi tải tập tin cập nhật. Vui lòng thử lại sau&lt;br&gt;Hoặc tải trực tiếp tại %1</source>
        <translation>An unknown error occurred while downloading the update. Please try again later&lt;br&gt;Or download it directly at %1</translation>
    </message>
    <message>
        <source>Cập nhật đã bị hủy hoặc bị lỗi khi tải về</source>
        <translation>The update was canceled or failed to download</translation>
    </message>
</context>
<context>
    <name>UploadFile</name>
    <message>
        <source>Lỗi kết nối mạng.</source>
        <translation>Network connection error.</translation>
    </message>
    <message>
        <source>Lấy không được thông tin user</source>
        <translation>Could not get the account information</translation>
    </message>
    <message>
        <source>Đã hết dung lượng bảo đảm!</source>
        <translation>The secure storage space is used up!</translation>
    </message>
    <message>
        <source>Đã hết dung lượng không bảo đảm!</source>
        <translation>The non-secure storage space is used up!</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>Dừng</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Tập tin bị thay đổi. Vui lòng tạo lại phiên tải lên khác để tải lên lại.</source>
        <translation>The file has changed. Please create a new upload session to upload it again.</translation>
    </message>
    <message>
        <source>Upload file not found</source>
        <translation>Upload file not found</translation>
    </message>
    <message>
        <source>Không thể mở tập tin</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Lỗi tải lên! Thử lại sau %1s</source>
        <translation>Upload error! Retrying in %1s</translation>
    </message>
    <message>
        <source>Finalizing</source>
        <translation>Finalizing</translation>
    </message>
    <message>
        <source>Đăng ký tập tin với server thất bại!</source>
        <translation>Registering the file with the server failed!</translation>
    </message>
    <message>
        <source>Máy chủ liên tục từ chối vị trí tải lên. Vui lòng thử lại sau.</source>
        <translation>The service kept refusing the upload location. Please try again later.</translation>
    </message>
</context>
<context>
    <name>dialogabout</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Phiên bản:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Ngày ra mắt:</source>
        <translation>Release date:</translation>
    </message>
    <message>
        <source>Bản quyền thuộc:</source>
        <translation>Copyright:</translation>
    </message>
    <message>
        <source>Liên hệ:</source>
        <translation>Contact:</translation>
    </message>
</context>
<context>
    <name>dialogoption_formconnect</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Không qua proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Tự động phát hiện proxy (dựa vào trình duyệt IE)</source>
        <translation>Use the system proxy (http_proxy)</translation>
    </message>
    <message>
        <source>Sử dụng proxy</source>
        <translation>Use this proxy</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP proxy</translation>
    </message>
    <message>
        <source>Cổng</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>dialogoption_formdownload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải xuống</source>
        <translation>Files to download at a time</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>Retries after a failure</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải xuống</source>
        <translation>Limit the download speed</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải xuống sau khi đăng nhập</source>
        <translation>Start downloading after login</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải xuống xong</source>
        <translation>Shut down when the downloads are completed</translation>
    </message>
    <message>
        <source>Thư mục tải xuống mặc định</source>
        <translation>Default download folder</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Tự động lấy đường dẫn download của Brisko trong trình duyệt</source>
        <translation>Take Brisko download links from the browser automatically</translation>
    </message>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Mozilla Firefox</source>
        <translation>Mozilla Firefox</translation>
    </message>
    <message>
        <source>Internet Explorer</source>
        <translation>Internet Explorer</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>dialogoption_formgeneral</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Ngôn ngữ mặc định :</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Tự khởi động chương trình</source>
        <translation>Start the program when the session starts</translation>
    </message>
    <message>
        <source>Ẩn chương trình xuống khay hệ thống khi minimized</source>
        <translation>Hide in the system tray when minimized</translation>
    </message>
    <message>
        <source>Luôn hiện cửa sồ chương trình ở trên cùng</source>
        <translation>Always keep the program&apos;s windows on top</translation>
    </message>
    <message>
        <source>Ghi nhớ tài khoản</source>
        <translation>Remember the account</translation>
    </message>
    <message>
        <source>Tự động đăng nhập</source>
        <translation>Log in automatically</translation>
    </message>
    <message>
        <source>Tiếng Việt</source>
        <translation>Vietnamese</translation>
    </message>
</context>
<context>
    <name>dialogoption_formupload</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Số lượng tập tin cho mỗi lần tải lên</source>
        <translation>Files to upload at a time</translation>
    </message>
    <message>
        <source>Số lần thử lại khi thất bại</source>
        <translation>Retries after a failure</translation>
    </message>
    <message>
        <source>Giới hạn tốc độ tải lên</source>
        <translation>Limit the upload speed</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>Tự động tải lên sau khi đăng nhập</source>
        <translation>Start uploading after login</translation>
    </message>
    <message>
        <source>Tắt máy sau khi tải lên xong</source>
        <translation>Shut down when the uploads are completed</translation>
    </message>
    <message>
        <source>Thư mục tải lên mặc định</source>
        <translation>Default upload folder</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Chọn thư mục</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>formChangeFilePassword</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Tạo mật khẩu cho tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Set a file password&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Đóng</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn tạo mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Do you want to set a password for the file?&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Xóa mật khẩu</source>
        <translation>Remove password</translation>
    </message>
    <message>
        <source>Loading....</source>
        <translation>Loading....</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Thay đổi mật khẩu của tập tin&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;white&quot;&gt;&lt;h2&gt;&lt;b&gt;Change the file password&lt;/b&gt;&lt;/h2&gt;&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Bạn có muốn thay đổi mật khẩu cho tập tin ?&lt;/font&gt;&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;&lt;font color=&quot;blue&quot;&gt;Do you want to change the file&apos;s password?&lt;/font&gt;&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Độ dài mật khẩu ít nhất 6 ký tự.&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;A password has at least 6 characters.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Lỗi </source>
        <translation>Error </translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mức bảo mật yếu&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;Weak password&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;red&quot;&gt;Mật khẩu đơn giản&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;red&quot;&gt;Password too simple&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#A56F09&quot;&gt;Mức bảo mật trung bình&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#A56F09&quot;&gt;Medium-strength password&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;Green&quot;&gt;Mức bảo mật cao&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;Green&quot;&gt;Strong password&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>popup_inputPassword</name>
    <message>
        <source>Mật khẩu File</source>
        <translation>File password</translation>
    </message>
    <message>
        <source>Mật khẩu</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>Tên File</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Nhập mật khẩu file %1</source>
        <translation>Enter the password of file %1</translation>
    </message>
</context>
<context>
    <name>setFolderSaveSubtitle</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Thư mục tải xuống</source>
        <translation>Download folder</translation>
    </message>
    <message>
        <source>Chọn</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Hủy</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Đồng ý</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>Choose where to save downloaded subtitle files</translation>
    </message>
    <message>
        <source>Thông báo</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Bạn vui lòng chọn đường dẫn để lưu tập tin phụ đề tải xuống</source>
        <translation>Please choose where to save downloaded subtitle files</translation>
    </message>
</context>
</TS>

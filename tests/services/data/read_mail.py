# Reads one delivered message (a Maildir folder or an .eml file) with the email package and
# writes what the tests compare into OUT: to, subject, text, names (one per line), att0, att1...
import email
import email.policy
import mailbox
import os
import sys

source, out = sys.argv[1], sys.argv[2]
if os.path.isdir(source):
    messages = list(mailbox.Maildir(source, factory=None))
    assert len(messages) == 1, len(messages)
    raw = messages[0].as_bytes()
else:
    with open(source, "rb") as f:
        raw = f.read()
message = email.message_from_bytes(raw, policy=email.policy.default)
os.makedirs(out, exist_ok=True)
with open(os.path.join(out, "to"), "w") as f:
    f.write(str(message["To"]))
with open(os.path.join(out, "subject"), "w", encoding="utf-8") as f:
    f.write(str(message["Subject"]))
with open(os.path.join(out, "text"), "w", encoding="utf-8") as f:
    f.write(message.get_body(preferencelist=("plain",)).get_content())
names = []
for n, part in enumerate(message.iter_attachments()):
    names.append(part.get_filename())
    with open(os.path.join(out, "att%d" % n), "wb") as f:
        f.write(part.get_payload(decode=True))
with open(os.path.join(out, "names"), "w", encoding="utf-8") as f:
    f.write("".join(name + "\n" for name in names))
